object Root: TFuzzNode
  Caption = 'It'#39's '#233't'#233' + '#$20AC' '#55357#56832 +
    ' joined'
  Char = #9
  Flag = False
  Kind = fkThree
  Kinds = []
  OnClick = Click
  Lines.Strings = (
    ''
    'two'#9'tab'
    'long' +
      ' line'
    #13#10)
  Items = <
    item
      Text = 'first'
      Ref = Child
    end
    item
    end
    item
      Text = 'third'
      Ref = Child.Inner
    end>
  object Child: TFuzzNode
    Ref = Root
    Flag = True
    Kinds = [fkOne, fkTwo, fkThree]
    Lines.Strings = ()
    Items = <>
    object Inner: TFuzzNode
      Caption = ''
    end
  end
end
