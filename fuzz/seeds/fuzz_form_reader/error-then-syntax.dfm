object Root: TFuzzNode
  object A: TMissing
  end
  Caption = 'unterminated
end
