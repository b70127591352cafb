object ResEditor: TResEditor
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Resource Editor'
  ClientHeight = 375
  ClientWidth = 493
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  ShowHint = True
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object ResNotebook: TPageControl
    Left = 4
    Top = 4
    Width = 485
    Height = 331
    ActivePage = TabTranslations
    TabOrder = 0
    OnChange = ResNotebookChange
    object TabTranslations: TTabSheet
      Caption = 'Translations'
      object LblResList: TLabel
        Left = 8
        Top = 6
        Width = 170
        Height = 13
        Caption = 'Resource strings to be translated'
      end
      object LblTranslation: TLabel
        Left = 232
        Top = 6
        Width = 55
        Height = 13
        Caption = 'Translation'
      end
      object ResList: TListBox
        Left = 8
        Top = 22
        Width = 217
        Height = 241
        ItemHeight = 13
        MultiSelect = True
        Sorted = True
        TabOrder = 0
        OnClick = ResListClick
        OnKeyDown = ResListKeyDown
      end
      object BtnNew: TButton
        Left = 8
        Top = 271
        Width = 75
        Height = 25
        Caption = '&New'
        TabOrder = 1
        OnClick = BtnNewClick
      end
      object BtnRemove: TButton
        Left = 90
        Top = 271
        Width = 75
        Height = 25
        Caption = '&Remove'
        Enabled = False
        TabOrder = 2
        OnClick = BtnRemoveClick
      end
      object EdtTranslation: TMemo
        Left = 232
        Top = 22
        Width = 237
        Height = 274
        ScrollBars = ssVertical
        TabOrder = 3
        WantTabs = True
        OnExit = EdtTranslationExit
        OnKeyDown = EdtTranslationKeyDown
      end
    end
    object TabOptions: TTabSheet
      Caption = 'Options'
      object LblTotCaption: TLabel
        Left = 16
        Top = 20
        Width = 118
        Height = 13
        Caption = 'Total nr of translations:'
      end
      object LblLocalizedCaption: TLabel
        Left = 16
        Top = 44
        Width = 131
        Height = 13
        Caption = 'Nr of strings localized:'
      end
      object LblTot: TLabel
        Left = 176
        Top = 20
        Width = 56
        Height = 13
        Caption = 'Nr of items'
      end
      object LblLocalized: TLabel
        Left = 176
        Top = 44
        Width = 56
        Height = 13
        Caption = 'Nr of items'
      end
      object CkxMove: TCheckBox
        Left = 16
        Top = 80
        Width = 320
        Height = 17
        Caption = 'PageUp/PageDown moves to next untranslated string'
        Checked = True
        State = cbChecked
        TabOrder = 0
        OnClick = CkxMoveClick
      end
    end
    object TabFont: TTabSheet
      Caption = 'Font'
      object GroupDisplayFont: TGroupBox
        Left = 16
        Top = 12
        Width = 441
        Height = 57
        Caption = 'Display Font'
        TabOrder = 0
        object LblDisplayFont: TLabel
          Left = 12
          Top = 24
          Width = 300
          Height = 13
          AutoSize = False
        end
        object BtnDisplayFont: TButton
          Left = 352
          Top = 18
          Width = 75
          Height = 25
          Caption = 'Select'
          TabOrder = 0
          OnClick = BtnDisplayFontClick
        end
      end
      object GroupEditFont: TGroupBox
        Left = 16
        Top = 84
        Width = 441
        Height = 57
        Caption = 'Edit Font'
        TabOrder = 1
        object LblEditFont: TLabel
          Left = 12
          Top = 24
          Width = 300
          Height = 13
          AutoSize = False
        end
        object BtnEditFont: TButton
          Left = 352
          Top = 18
          Width = 75
          Height = 25
          Caption = 'Select'
          TabOrder = 0
          OnClick = BtnEditFontClick
        end
      end
    end
    object TabReadingOrder: TTabSheet
      Caption = 'Reading order'
      object GroupReadingOrder: TRadioGroup
        Left = 16
        Top = 12
        Width = 441
        Height = 73
        Caption = 'Reading Order'
        ItemIndex = 1
        Items.Strings = (
          'Right To Left (Arabic, Hebrew)'
          'Left to Right')
        TabOrder = 0
        OnClick = GroupReadingOrderClick
      end
      object GroupIme: TGroupBox
        Left = 16
        Top = 100
        Width = 441
        Height = 73
        Caption = 'Far Eastern Input Method Editors'
        TabOrder = 1
        object LblIme: TLabel
          Left = 12
          Top = 20
          Width = 417
          Height = 41
          AutoSize = False
          Caption = 
            'In Far Eastern Windows editions, set the IME functionality in th' +
            'e control panel. Activate the IME with Ctrl+Spacebar.'
          WordWrap = True
        end
      end
    end
    object TabVCL: TTabSheet
      Caption = 'VCL'
      object LblModuleList: TLabel
        Left = 8
        Top = 6
        Width = 90
        Height = 13
        Caption = 'Resource Modules'
      end
      object LblModuleStrList: TLabel
        Left = 8
        Top = 106
        Width = 150
        Height = 13
        Caption = 'Resource Strings in module'
      end
      object ModuleList: TListBox
        Left = 8
        Top = 22
        Width = 461
        Height = 77
        ItemHeight = 13
        TabOrder = 0
        OnClick = ModuleListClick
      end
      object ModuleStrList: TListBox
        Left = 8
        Top = 122
        Width = 461
        Height = 141
        Color = clBtnFace
        ItemHeight = 13
        Sorted = True
        TabOrder = 1
      end
      object BtnInclude: TButton
        Left = 8
        Top = 271
        Width = 75
        Height = 25
        Caption = 'Include'
        Enabled = False
        TabOrder = 2
        OnClick = BtnIncludeClick
      end
    end
    object TabDictionary: TTabSheet
      Caption = 'Dictionary'
      object LblTranslate: TLabel
        Left = 104
        Top = 22
        Width = 250
        Height = 13
        Caption = 'Translate properties using the selected dictionary'
      end
      object LblExport: TLabel
        Left = 104
        Top = 62
        Width = 250
        Height = 13
        Caption = 'Create or update a dictionary with translations'
      end
      object LblLoad: TLabel
        Left = 104
        Top = 102
        Width = 250
        Height = 13
        Caption = 'Load properties from an external textfile.'
      end
      object LblSave: TLabel
        Left = 104
        Top = 142
        Width = 250
        Height = 13
        Caption = 'Save current properties to an external textfile.'
      end
      object BtnTranslate: TButton
        Left = 16
        Top = 16
        Width = 75
        Height = 25
        Caption = 'Translate'
        TabOrder = 0
        OnClick = BtnTranslateClick
      end
      object BtnExport: TButton
        Left = 16
        Top = 56
        Width = 75
        Height = 25
        Caption = 'Export'
        TabOrder = 1
        OnClick = BtnExportClick
      end
      object BtnLoad: TButton
        Left = 16
        Top = 96
        Width = 75
        Height = 25
        Caption = 'Load'
        TabOrder = 2
        OnClick = BtnLoadClick
      end
      object BtnSave: TButton
        Left = 16
        Top = 136
        Width = 75
        Height = 25
        Caption = 'Save'
        TabOrder = 3
        OnClick = BtnSaveClick
      end
    end
  end
  object BtnOK: TButton
    Left = 326
    Top = 343
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    TabOrder = 1
    OnClick = BtnOKClick
  end
  object BtnCancel: TButton
    Left = 410
    Top = 343
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 2
    OnClick = BtnCancelClick
  end
  object OpenDialog1: TOpenDialog
    DefaultExt = 'txt'
    Filter = 'Dictionary (*.txt)|*.txt|All files (*.txt)|*.*'
    Left = 24
    Top = 336
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'txt'
    Filter = 'Dictionary (*.txt)|*.txt|All files (*.txt)|*.*'
    Left = 56
    Top = 336
  end
  object FontDialog1: TFontDialog
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Left = 88
    Top = 336
  end
end
