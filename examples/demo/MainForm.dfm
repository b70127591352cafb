object MainForm: TMainForm
  Left = 200
  Top = 120
  Width = 480
  Height = 340
  ActiveControl = NameEdit
  Caption = 'Zantor demo'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object TopPanel: TPanel
    Left = 0
    Top = 0
    Width = 472
    Height = 41
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object NameLabel: TLabel
      Left = 8
      Top = 14
      Width = 31
      Height = 13
      Caption = '&Name:'
      FocusControl = NameEdit
    end
    object NameEdit: TEdit
      Left = 48
      Top = 10
      Width = 217
      Height = 21
      TabOrder = 0
      Text = 'World'
    end
    object GreetButton: TButton
      Left = 280
      Top = 8
      Width = 75
      Height = 25
      Caption = '&Greet'
      Default = True
      TabOrder = 1
      OnClick = GreetButtonClick
    end
  end
  object LogMemo: TMemo
    Left = 8
    Top = 48
    Width = 456
    Height = 217
    Color = clInfoBk
    Font.Charset = ANSI_CHARSET
    Font.Color = clNavy
    Font.Height = -13
    Font.Name = 'Courier New'
    Font.Style = [fsBold]
    Lines.Strings = (
      'Welcome to the Zantor demo.'
      'Press Greet to add a line.')
    ParentFont = False
    ReadOnly = True
    ScrollBars = ssVertical
    TabOrder = 1
  end
  object LoudCheck: TCheckBox
    Left = 8
    Top = 276
    Width = 97
    Height = 17
    Caption = '&Loud'
    TabOrder = 2
  end
  object MainMenu1: TMainMenu
    object LanguageItem: TMenuItem
      Caption = '&Language'
    end
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
  object FrenchResTranslator: TResourceTranslator
    FileName = 'Demo.lng'
    Locale = 1036
    Translate = False
    ResStrings = ()
  end
  object GermanResTranslator: TResourceTranslator
    FileName = 'Demo.lng'
    Locale = 1031
    Translate = False
    ResStrings = ()
  end
  object OpenDialog1: TOpenDialog
    Filter = 'Form files (*.dfm)|*.dfm|All files (*.*)|*.*'
  end
  object FrenchDialogTranslator: TCommonDialogTranslator
    Locale = 1036
    Translate = False
    Translations.Strings = (
      'TOpenDialog.Caption=''Ouvrir'''
      'TOpenDialog.Caption[-4]=''&Dossiers :'''
      'TOpenDialog.Caption[1038]=''&Aide'''
      'TOpenDialog.Caption[1089]=''&Types de fichiers :'''
      'TOpenDialog.Caption[1090]=''&Nom du fichier :'''
      'TOpenDialog.Caption[1091]=''&Lecteurs :'''
      'TOpenDialog.Caption[2]=''Annuler''')
    Storage = ()
  end
  object GermanDialogTranslator: TCommonDialogTranslator
    Locale = 1031
    Translate = False
    Translations.Strings = (
      'TOpenDialog.Caption='#39#214'ffnen'#39
      'TOpenDialog.Caption[-4]=''&Ordner:'''
      'TOpenDialog.Caption[1038]=''&Hilfe'''
      'TOpenDialog.Caption[1089]=''Datei&typ:'''
      'TOpenDialog.Caption[1090]=''Datei&name:'''
      'TOpenDialog.Caption[1091]=''&Laufwerke:'''
      'TOpenDialog.Caption[2]=''Abbrechen''')
    Storage = ()
  end
  object FrenchButtonTranslator: TButtonTranslator
    Locale = 1036
    Translate = False
    Language = lnFrench
    Storage = ()
  end
  object GermanButtonTranslator: TButtonTranslator
    Locale = 1031
    Translate = False
    Language = lnGerman
    Storage = ()
  end
  object LocaleTranslator1: TLocaleTranslator
    AdoptOn = LanguageItem
    DesignLocale = 'English, United States 00000409'
    StartupLocale = 'English, United States 00000409'
  end
end
