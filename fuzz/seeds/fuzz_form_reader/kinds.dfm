inherited Root: TFuzzNode
  Caption = 'inherited root'
  object First: TFuzzNode [0]
    Caption = 'ordered'
  end
  inherited Second: TFuzzNode [1]
    Caption = 'inherited child'
  end
  inline Frame: TFuzzNode [-1]
    Caption = 'inline'
    inherited Sub: TFuzzNode
    end
  end
  object Data: TFuzzNode
    Data = {
      0A0B0C0D0E0F
      00FF}
    Empty = {}
    Nested = (
      1
      -2
      (
        'x'
        fkOne)
      [fkTwo]
      True
      nil)
    Nothing = nil
    Items = <
      item
        Text = 'a'
      end>
  end
end
