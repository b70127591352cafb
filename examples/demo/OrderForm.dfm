object OrderForm: TOrderForm
  Left = 240
  Top = 160
  Width = 320
  Height = 240
  BorderStyle = bsDialog
  Caption = 'Order'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object CustomerLabel: TLabel
    Left = 8
    Top = 12
    Width = 47
    Height = 13
    Caption = 'Customer:'
  end
  object QuantityLabel: TLabel
    Left = 8
    Top = 36
    Width = 42
    Height = 13
    Caption = 'Quantity:'
  end
  object NotesMemo: TMemo
    Left = 8
    Top = 60
    Width = 296
    Height = 97
    Lines.Strings = (
      'Deliver before noon.'
      'Ring twice.')
    TabOrder = 0
  end
  object OkButton: TButton
    Left = 148
    Top = 172
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object CancelButton: TButton
    Left = 229
    Top = 172
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object FrenchTranslator: TFormTranslator
    FileName = 'Demo.lng'
    Locale = 1036
    Translate = False
    Storage = 0
  end
  object GermanTranslator: TFormTranslator
    FileName = 'Demo.lng'
    Locale = 1031
    Translate = False
    Storage = 0
  end
end
