object FormEditor: TFormEditor
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Form Translations Editor'
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
  object FormNotebook: TPageControl
    Left = 4
    Top = 4
    Width = 485
    Height = 331
    ActivePage = TabTranslations
    TabOrder = 0
    OnChange = FormNotebookChange
    object TabTranslations: TTabSheet
      Caption = 'Translations'
      object LblPropList: TLabel
        Left = 8
        Top = 6
        Width = 160
        Height = 13
        Caption = 'Form properties to be translated'
      end
      object LblOrgTranslation: TLabel
        Left = 232
        Top = 6
        Width = 130
        Height = 13
        Caption = 'Original value of property'
      end
      object LblTranslation: TLabel
        Left = 232
        Top = 142
        Width = 55
        Height = 13
        Caption = 'Translation'
      end
      object PropList: TListBox
        Left = 8
        Top = 22
        Width = 217
        Height = 241
        Hint = 'These are the internationalized properties to be translated'
        ItemHeight = 13
        MultiSelect = True
        Sorted = True
        TabOrder = 0
        OnClick = PropListClick
        OnKeyDown = PropListKeyDown
      end
      object BtnNew: TButton
        Left = 8
        Top = 271
        Width = 75
        Height = 25
        Hint = 'Specify a new property to be translated'
        Caption = '&New'
        TabOrder = 1
        OnClick = BtnNewClick
      end
      object BtnRemove: TButton
        Left = 90
        Top = 271
        Width = 75
        Height = 25
        Hint = 'Remove the property from the translation list'
        Caption = '&Remove'
        Enabled = False
        TabOrder = 2
        OnClick = BtnRemoveClick
      end
      object EdtOrgTranslation: TMemo
        Left = 232
        Top = 22
        Width = 237
        Height = 113
        Color = clBtnFace
        ReadOnly = True
        ScrollBars = ssVertical
        TabOrder = 3
      end
      object EdtTranslation: TMemo
        Left = 232
        Top = 158
        Width = 237
        Height = 138
        Hint = 'Edit the translation. Use PageUp/PageDown to move between properties'
        ScrollBars = ssVertical
        TabOrder = 4
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
        Caption = 'Nr of properties localized:'
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
        Caption = 'PageUp/PageDown moves to next untranslated property'
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
    object TabForm: TTabSheet
      Caption = 'Form'
      object PropNotebook: TPageControl
        Left = 4
        Top = 4
        Width = 469
        Height = 295
        ActivePage = TabBrowser
        TabOrder = 0
        object TabBrowser: TTabSheet
          Caption = 'Browser'
          object LblListAvail: TLabel
            Left = 8
            Top = 6
            Width = 100
            Height = 13
            Caption = 'Properties available'
          end
          object ListAvail: TListBox
            Left = 8
            Top = 22
            Width = 257
            Height = 237
            ItemHeight = 13
            MultiSelect = True
            Sorted = True
            TabOrder = 0
            OnClick = ListAvailClick
            OnMouseMove = ListAvailMouseMove
          end
          object GroupCommon: TGroupBox
            Left = 276
            Top = 16
            Width = 177
            Height = 97
            Caption = 'Common properties'
            TabOrder = 1
            object BtnSelect: TButton
              Left = 12
              Top = 24
              Width = 75
              Height = 25
              Hint = 'Select the most common properties in the list'
              Caption = 'Select'
              Enabled = False
              TabOrder = 0
              OnClick = BtnSelectClick
            end
            object CkxEmpty: TCheckBox
              Left = 12
              Top = 64
              Width = 153
              Height = 17
              Caption = 'Select empty properties'
              TabOrder = 1
            end
          end
          object GroupSelected: TGroupBox
            Left = 276
            Top = 128
            Width = 177
            Height = 97
            Caption = 'Selected properties'
            TabOrder = 2
            object LblSelected: TLabel
              Left = 12
              Top = 64
              Width = 60
              Height = 13
              Caption = '%s Selected'
            end
            object BtnIncludeProp: TButton
              Left = 12
              Top = 24
              Width = 75
              Height = 25
              Hint = 'Include the selected properties in the translation list.'
              Caption = 'Include'
              Enabled = False
              TabOrder = 0
              OnClick = BtnIncludePropClick
            end
          end
        end
        object TabCommon: TTabSheet
          Caption = 'Common'
          object LblCommonPropList: TLabel
            Left = 8
            Top = 6
            Width = 90
            Height = 13
            Caption = 'Common properties'
          end
          object CommonPropList: TListBox
            Left = 8
            Top = 22
            Width = 257
            Height = 237
            ItemHeight = 13
            Items.Strings = (
              'Caption'
              'Caption[*]'
              'Captions[*]'
              'Columns.Items[*].Title'
              'DisplayLabel'
              'FileName'
              'Hint'
              'Hints[*]'
              'Items[*]'
              'Lines[*]'
              'Pages[*]'
              'Panels.Items[*].Text'
              'SystemMenuClose'
              'SystemMenuMaximize'
              'SystemMenuMinimize'
              'SystemMenuMove'
              'SystemMenuNextWindow'
              'SystemMenuPrevWindow'
              'SystemMenuRestore'
              'SystemMenuSize'
              'SystemMenuTaskList'
              'Tabs[*]'
              'Text'
              'Translations[*]')
            Sorted = True
            TabOrder = 0
            OnClick = CommonPropListClick
          end
          object BtnAddCommon: TButton
            Left = 284
            Top = 22
            Width = 75
            Height = 25
            Hint = 'Add a common property to the list'
            Caption = 'Add'
            TabOrder = 1
            OnClick = BtnAddCommonClick
          end
          object BtnDeleteCommon: TButton
            Left = 284
            Top = 54
            Width = 75
            Height = 25
            Hint = 'Deletes the selected common property'
            Caption = 'Delete'
            Enabled = False
            TabOrder = 2
            OnClick = BtnDeleteCommonClick
          end
          object BtnSet: TButton
            Left = 284
            Top = 102
            Width = 75
            Height = 25
            Hint = 'Save the current list of common properties to the registry'
            Caption = 'Set'
            Enabled = False
            TabOrder = 3
            OnClick = BtnSetClick
          end
          object BtnDefault: TButton
            Left = 284
            Top = 134
            Width = 75
            Height = 25
            Hint = 'Restore the original common properties'
            Caption = 'Default'
            TabOrder = 4
            OnClick = BtnDefaultClick
          end
        end
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
    Filter = 'Dictionary (*.txt)|*.txt|All files (*.*)|*.*'
    Left = 24
    Top = 336
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'txt'
    Filter = 'Dictionary (*.txt)|*.txt|All files (*.*)|*.*'
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
