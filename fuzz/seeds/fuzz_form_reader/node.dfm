object Root: TFuzzNode
  Caption = 'It'#39's'#13#10'x'
  Count = -5
  Big = 5000000000
  Char = 'z'
  Flag = True
  Ratio = 1.5
  Kind = fkTwo
  Kinds = [fkOne, fkThree]
  OnClick = Click
  Lines.Strings = (
    'a'
    'b')
  Items = <
    item
      Text = 'x'
      Ref = Child
    end>
  object Child: TFuzzNode
    Ref = Root
  end
end
