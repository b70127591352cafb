object Root: TFuzzNode
  Items = <
    item
      Ref = Child
    end>
  Items = <>
  object Child: TFuzzNode
  end
end
