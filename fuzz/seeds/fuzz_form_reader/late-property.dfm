object Root: TFuzzNode
  object A: TFuzzNode
    Nope = 1
  end
  Count = 'x'
end
