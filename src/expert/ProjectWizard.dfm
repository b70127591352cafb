object ZntWizard: TZntWizard
  Left = 192
  Top = 107
  BorderStyle = bsDialog
  Caption = 'Zantor Expert'
  ClientHeight = 340
  ClientWidth = 460
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object LblMain: TLabel
    Left = 8
    Top = 8
    Width = 200
    Height = 20
    Caption = 'Zantor Expert'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object WizNote: TNotebook
    Left = 8
    Top = 36
    Width = 444
    Height = 264
    TabOrder = 0
    OnPageChanged = WizNotePageChanged
    object TPage
      Left = 0
      Top = 0
      Caption = 'Main'
      object PnlProjectName: TPanel
        Left = 8
        Top = 8
        Width = 428
        Height = 25
        BevelOuter = bvLowered
        Caption = '(None)'
        TabOrder = 0
      end
      object StartNote: TNotebook
        Left = 8
        Top = 40
        Width = 428
        Height = 200
        TabOrder = 1
        object TPage
          Left = 0
          Top = 0
          Caption = 'Main'
          object LblMainForm: TLabel
            Left = 8
            Top = 8
            Width = 400
            Height = 13
            Caption = 'Select the MainForm, or the form with the switch language option'
          end
          object CbxMainForm: TComboBox
            Left = 8
            Top = 26
            Width = 250
            Height = 21
            Style = csDropDownList
            ItemHeight = 13
            Sorted = True
            TabOrder = 0
          end
          object Radio1: TRadioButton
            Left = 8
            Top = 70
            Width = 400
            Height = 17
            Caption = 'Globalize the project, modify international behavior'
            Checked = True
            TabOrder = 1
          end
          object Radio2: TRadioButton
            Left = 8
            Top = 94
            Width = 400
            Height = 17
            Caption = 'Prepare project for localization'
            TabOrder = 2
          end
          object Radio3: TRadioButton
            Left = 8
            Top = 118
            Width = 400
            Height = 17
            Caption = 'Apply external localizations on the project'
            TabOrder = 3
          end
        end
        object TPage
          Left = 0
          Top = 0
          Caption = 'Expert options'
          object GrpLang: TGroupBox
            Left = 8
            Top = 8
            Width = 300
            Height = 90
            Caption = 'Language interface in Expert'
            TabOrder = 0
            object CbxLang: TComboBox
              Left = 12
              Top = 24
              Width = 200
              Height = 21
              Style = csDropDownList
              ItemHeight = 13
              Items.Strings = (
                'English, United States'
                'Swedish, Sweden'
                'Unknown, Unknown')
              TabOrder = 0
            end
            object BtnUserTranslate: TButton
              Left = 12
              Top = 56
              Width = 75
              Height = 25
              Caption = 'Translate'
              TabOrder = 1
              OnClick = BtnUserTranslateClick
            end
          end
        end
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'Features'
      object NoteFeatures: TNotebook
        Left = 8
        Top = 8
        Width = 428
        Height = 232
        TabOrder = 0
        object TPage
          Left = 0
          Top = 0
          Caption = 'General'
          object CkxResources: TCheckBox
            Left = 8
            Top = 8
            Width = 400
            Height = 17
            Caption = 'Translate string resources in VCL library, RC-Tables, resourcestrings etc.'
            Checked = True
            State = cbChecked
            TabOrder = 0
          end
          object CkxCommonDlg: TCheckBox
            Left = 8
            Top = 32
            Width = 400
            Height = 17
            Caption = 'Translate Common Dialogs'
            TabOrder = 1
          end
        end
        object TPage
          Left = 0
          Top = 0
          Caption = 'Forms'
          object CkxForms: TCheckBox
            Left = 8
            Top = 8
            Width = 400
            Height = 17
            Caption = 'Translate Forms and the VCL Components (DFM files)'
            Checked = True
            State = cbChecked
            TabOrder = 0
            OnClick = CkxFormsClick
          end
          object CkxScanForms: TCheckBox
            Left = 8
            Top = 32
            Width = 400
            Height = 17
            Caption = 'Scan form files for translatable items such as Captions, Hints etc.'
            Checked = True
            State = cbChecked
            TabOrder = 1
          end
          object RadioStorage1: TRadioButton
            Left = 8
            Top = 64
            Width = 400
            Height = 17
            Caption = 'Store translations in the forms'
            Checked = True
            TabOrder = 2
            OnClick = RadioStorage1Click
          end
          object RadioStorage2: TRadioButton
            Left = 8
            Top = 88
            Width = 400
            Height = 17
            Caption = 'Store translations in an external textfile'
            TabOrder = 3
            OnClick = RadioStorage1Click
          end
          object EdtFormStorage: TEdit
            Left = 26
            Top = 110
            Width = 250
            Height = 21
            Color = clBtnFace
            Enabled = False
            TabOrder = 4
            Text = ''
            OnChange = RadioStorage1Click
          end
          object LblSplit: TLabel
            Left = 26
            Top = 142
            Width = 170
            Height = 13
            Caption = 'Split file when size is more than'
          end
          object EdtSplit: TEdit
            Left = 200
            Top = 138
            Width = 50
            Height = 21
            Color = clBtnFace
            Enabled = False
            TabOrder = 5
            Text = '500'
          end
          object LblKb: TLabel
            Left = 256
            Top = 142
            Width = 20
            Height = 13
            Caption = 'Kb'
          end
        end
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'Locales'
      object LblLocales: TLabel
        Left = 8
        Top = 8
        Width = 400
        Height = 13
        Caption = 'Locales (Languages)'
      end
      object LblLocalesInApp: TLabel
        Left = 8
        Top = 32
        Width = 400
        Height = 13
        Caption = 'Locales in project'
      end
      object ListLocales: TListBox
        Left = 8
        Top = 50
        Width = 300
        Height = 180
        ItemHeight = 13
        TabOrder = 0
      end
      object BtnLocaleProp: TButton
        Left = 320
        Top = 50
        Width = 75
        Height = 25
        Caption = 'Properties'
        TabOrder = 1
        OnClick = BtnLocalePropClick
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'Forms'
      object LblForms: TLabel
        Left = 8
        Top = 8
        Width = 400
        Height = 13
        Caption = 'Form and component property scanner'
      end
      object LblCommonProps: TLabel
        Left = 8
        Top = 32
        Width = 400
        Height = 13
        Caption = 'Common properties'
      end
      object CommonPropList: TListBox
        Left = 8
        Top = 50
        Width = 250
        Height = 160
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
          'Text')
        Sorted = True
        TabOrder = 0
        OnClick = CommonPropListClick
      end
      object BtnAddCommon: TButton
        Left = 270
        Top = 50
        Width = 75
        Height = 25
        Caption = 'Add'
        TabOrder = 1
        OnClick = BtnAddCommonClick
      end
      object BtnDeleteCommon: TButton
        Left = 270
        Top = 80
        Width = 75
        Height = 25
        Caption = 'Delete'
        TabOrder = 2
        Enabled = False
        OnClick = BtnDeleteCommonClick
      end
      object BtnSet: TButton
        Left = 270
        Top = 110
        Width = 75
        Height = 25
        Caption = 'Set'
        TabOrder = 3
        Enabled = False
        OnClick = BtnSetClick
      end
      object BtnDefault: TButton
        Left = 270
        Top = 140
        Width = 75
        Height = 25
        Caption = 'Default'
        TabOrder = 4
        OnClick = BtnDefaultClick
      end
      object CkxEmpty: TCheckBox
        Left = 8
        Top = 216
        Width = 400
        Height = 17
        Caption = 'Include even if empty strings'
        TabOrder = 5
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'Resources'
      object LblModules: TLabel
        Left = 8
        Top = 8
        Width = 400
        Height = 13
        Caption = 'String resources'
      end
      object LblResModules: TLabel
        Left = 8
        Top = 32
        Width = 180
        Height = 13
        Caption = 'Available modules/units currently installed'
      end
      object ModuleList: TListBox
        Left = 8
        Top = 50
        Width = 180
        Height = 160
        ItemHeight = 13
        Sorted = True
        TabOrder = 0
        OnClick = ModuleListClick
      end
      object LblModulesIncluded: TLabel
        Left = 248
        Top = 32
        Width = 180
        Height = 13
        Caption = 'Modules/units to translate'
      end
      object ModulesInApp: TListBox
        Left = 248
        Top = 50
        Width = 180
        Height = 160
        ItemHeight = 13
        Sorted = True
        TabOrder = 1
        OnClick = ModulesInAppClick
      end
      object BtnIncludeMod: TButton
        Left = 192
        Top = 60
        Width = 52
        Height = 25
        Caption = 'Include'
        TabOrder = 2
        Enabled = False
        OnClick = BtnIncludeModClick
      end
      object BtnRemoveMod: TButton
        Left = 192
        Top = 90
        Width = 52
        Height = 25
        Caption = 'Remove'
        TabOrder = 3
        Enabled = False
        OnClick = BtnRemoveModClick
      end
      object BtnBrowseMod: TButton
        Left = 192
        Top = 120
        Width = 52
        Height = 25
        Caption = 'Browse'
        TabOrder = 4
        OnClick = BtnBrowseModClick
      end
      object LblStrCnt: TLabel
        Left = 8
        Top = 216
        Width = 200
        Height = 13
        Caption = 'Contains %d strings'
      end
      object ModStrList: TListBox
        Left = 8
        Top = 50
        Width = 20
        Height = 20
        ItemHeight = 13
        TabOrder = 5
        Visible = False
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'CommonDlg'
      object LblCommonDlg: TLabel
        Left = 8
        Top = 8
        Width = 400
        Height = 13
        Caption = 'Common Dialogs'
      end
      object LblCommonDlgProp: TLabel
        Left = 8
        Top = 40
        Width = 400
        Height = 40
        Caption = 'The Common Dialog Translator component provides properties for localization which can be very useful in a multi language application.'
        AutoSize = False
        WordWrap = True
      end
      object BtnCommonDlgProp: TButton
        Left = 8
        Top = 100
        Width = 75
        Height = 25
        Caption = 'Properties'
        TabOrder = 0
        OnClick = BtnCommonDlgPropClick
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'FinishGlobalize'
      object LblFinishedGlobalized: TLabel
        Left = 8
        Top = 8
        Width = 400
        Height = 13
        Caption = 'Ready to apply changes in project'
      end
      object LblApplyGlobalization: TLabel
        Left = 8
        Top = 40
        Width = 400
        Height = 40
        Caption = 'The expert is now ready to apply any necessary modifications to the project. '
        AutoSize = False
        WordWrap = True
      end
      object LblGlobStatus: TLabel
        Left = 8
        Top = 180
        Width = 400
        Height = 13
        Caption = ''
      end
      object LblGlobGauge: TLabel
        Left = 8
        Top = 200
        Width = 400
        Height = 13
        Caption = ''
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'Localization'
      object LblLocalization: TLabel
        Left = 8
        Top = 8
        Width = 400
        Height = 13
        Caption = 'Prepare project for localization'
      end
      object RadioLocType1: TRadioButton
        Left = 8
        Top = 40
        Width = 400
        Height = 17
        Caption = 'Dictionary text file, each translation will replace all such occurencies'
        TabOrder = 0
        OnClick = RadioLocType1Click
      end
      object LblLocType1: TLabel
        Left = 26
        Top = 60
        Width = 400
        Height = 52
        Caption = 'Produces a sorted textfile with tab delimited translations. This method is fast and efficient, but may produce confusing user interfaces. More specifically, it cannot handle word inflections very well.'
        AutoSize = False
        WordWrap = True
      end
      object RadioLocType2: TRadioButton
        Left = 8
        Top = 120
        Width = 400
        Height = 17
        Caption = 'Property text file, each property can contain a specific translation'
        TabOrder = 1
        OnClick = RadioLocType1Click
      end
      object LblLocType2: TLabel
        Left = 26
        Top = 140
        Width = 400
        Height = 52
        Caption = 'Produces a property textfile with translations. It gives full control of the user interface in order to provide localized interfaces with high quality. Inflections and any other grammatical language behaviors are fully supported.'
        AutoSize = False
        WordWrap = True
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'FinishLocalization'
      object LblFinishedLocalization: TLabel
        Left = 8
        Top = 8
        Width = 400
        Height = 13
        Caption = 'Create the translation resources'
      end
      object LblLocInProject: TLabel
        Left = 8
        Top = 32
        Width = 170
        Height = 13
        Caption = 'Available languages in project'
      end
      object ListLocInProject: TListBox
        Left = 8
        Top = 50
        Width = 170
        Height = 110
        ItemHeight = 13
        TabOrder = 0
        OnClick = ListLocInProjectClick
      end
      object LblLocExport: TLabel
        Left = 258
        Top = 32
        Width = 170
        Height = 13
        Caption = 'Create file for languages'
      end
      object ListLocExport: TListBox
        Left = 258
        Top = 50
        Width = 170
        Height = 110
        ItemHeight = 13
        TabOrder = 1
        OnClick = ListLocExportClick
      end
      object BtnLocInclude: TButton
        Left = 184
        Top = 60
        Width = 70
        Height = 25
        Caption = 'Include'
        TabOrder = 2
        Enabled = False
        OnClick = BtnLocIncludeClick
      end
      object BtnLocExclude: TButton
        Left = 184
        Top = 90
        Width = 70
        Height = 25
        Caption = 'Remove'
        TabOrder = 3
        Enabled = False
        OnClick = BtnLocExcludeClick
      end
      object LblExportFile: TLabel
        Left = 8
        Top = 168
        Width = 400
        Height = 13
        Caption = 'File to create for translation'
      end
      object EdtExportFile: TEdit
        Left = 8
        Top = 184
        Width = 390
        Height = 21
        TabOrder = 4
        Text = ''
        OnChange = EdtExportFileChange
      end
      object BtnSelExportFile: TButton
        Left = 404
        Top = 184
        Width = 24
        Height = 21
        Caption = '...'
        TabOrder = 5
        OnClick = BtnSelExportFileClick
      end
      object LblExportStatus: TLabel
        Left = 8
        Top = 212
        Width = 400
        Height = 13
        Caption = ''
      end
      object LblExportGauge: TLabel
        Left = 8
        Top = 228
        Width = 400
        Height = 13
        Caption = ''
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'Import'
      object LblImport: TLabel
        Left = 8
        Top = 8
        Width = 400
        Height = 13
        Caption = 'Import translations'
      end
      object LblImportFile: TLabel
        Left = 8
        Top = 32
        Width = 400
        Height = 13
        Caption = 'Import translations from file'
      end
      object LblImportDesc: TLabel
        Left = 8
        Top = 100
        Width = 400
        Height = 52
        Caption = 'It is possible to import translations from either a dictionary or a property textfile. The file should have been created with this Expert or the SaveTo, TranslateTo procedures.'
        AutoSize = False
        WordWrap = True
      end
      object EdtImportFile: TEdit
        Left = 8
        Top = 50
        Width = 390
        Height = 21
        TabOrder = 0
        Text = ''
        OnChange = EdtImportFileChange
      end
      object BtnImportFile: TButton
        Left = 404
        Top = 50
        Width = 24
        Height = 21
        Caption = '...'
        TabOrder = 1
        OnClick = BtnImportFileClick
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'FinishImport'
      object LblFinishedImport: TLabel
        Left = 8
        Top = 8
        Width = 400
        Height = 13
        Caption = 'Ready to import translations'
      end
      object LblTypeDetected: TLabel
        Left = 8
        Top = 32
        Width = 400
        Height = 13
        Caption = 'The file type to import was detected as'
      end
      object RadioDictType: TRadioButton
        Left = 8
        Top = 52
        Width = 400
        Height = 17
        Caption = 'Dictionary text file, each translation will replace all such occurencies'
        TabOrder = 0
        OnClick = RadioDictTypeClick
      end
      object RadioPropType: TRadioButton
        Left = 8
        Top = 76
        Width = 400
        Height = 17
        Caption = 'Property text file, each property can contain a specific translation'
        TabOrder = 1
        OnClick = RadioDictTypeClick
      end
      object LblDictLangs: TLabel
        Left = 8
        Top = 108
        Width = 400
        Height = 13
        Caption = 'Dictionary contains translations from design language and'
      end
      object CbxDictLangs: TComboBox
        Left = 8
        Top = 126
        Width = 250
        Height = 21
        Style = csDropDownList
        ItemHeight = 13
        Color = clBtnFace
        Enabled = False
        TabOrder = 2
      end
      object LblImportStatus: TLabel
        Left = 8
        Top = 200
        Width = 400
        Height = 13
        Caption = ''
      end
      object LblImportGauge: TLabel
        Left = 8
        Top = 220
        Width = 400
        Height = 13
        Caption = ''
      end
    end
  end
  object BtnPrev: TButton
    Left = 140
    Top = 308
    Width = 75
    Height = 25
    Caption = '&Previous'
    TabOrder = 1
    OnClick = BtnPrevClick
  end
  object BtnNext: TButton
    Left = 220
    Top = 308
    Width = 75
    Height = 25
    Caption = '&Next'
    TabOrder = 2
    OnClick = BtnNextClick
  end
  object BtnHelp: TButton
    Left = 300
    Top = 308
    Width = 75
    Height = 25
    Caption = '&Help'
    TabOrder = 3
    OnClick = BtnHelpClick
  end
  object BtnClose: TButton
    Left = 380
    Top = 308
    Width = 75
    Height = 25
    Caption = '&Close'
    TabOrder = 4
    OnClick = BtnCloseClick
  end
  object LblNext: TLabel
    Left = 8
    Top = 314
    Width = 40
    Height = 13
    Caption = '&Next'
    Visible = False
  end
  object LblApply: TLabel
    Left = 50
    Top = 314
    Width = 40
    Height = 13
    Caption = '&Apply'
    Visible = False
  end
  object OpenDlg: TOpenDialog
    DefaultExt = 'txt'
    Filter = 'Text files (*.txt)|*.txt|All files (*.*)|*.*'
    Left = 16
    Top = 300
  end
  object SaveDlg: TSaveDialog
    DefaultExt = 'txt'
    Filter = 'Text files (*.txt)|*.txt|All files (*.*)|*.*'
    Left = 48
    Top = 300
  end
  object LocaleTranslator1: TLocaleTranslator
    AdoptOn = CbxLang
    Translations.Strings = (
      '00000409_CURRENCYDECIMALS=2'
      '00000409_CURRENCYFORMAT=0'
      '00000409_CURRENCYSTRING=$'
      '00000409_DATESEPARATOR=/'
      '00000409_DECIMALSEPARATOR=.'
      '00000409_ENGLISHCOUNTRYNAME=United States'
      '00000409_ENGLISHNAME=English'
      '00000409_LISTSEPARATOR=,'
      '00000409_LONGDATEFORMAT=dddd, MMMM d, yyyy'
      '00000409_LONGDAYNAMES[1]=Monday'
      '00000409_LONGDAYNAMES[2]=Tuesday'
      '00000409_LONGDAYNAMES[3]=Wednesday'
      '00000409_LONGDAYNAMES[4]=Thursday'
      '00000409_LONGDAYNAMES[5]=Friday'
      '00000409_LONGDAYNAMES[6]=Saturday'
      '00000409_LONGDAYNAMES[7]=Sunday'
      '00000409_LONGMONTHNAMES[10]=October'
      '00000409_LONGMONTHNAMES[11]=November'
      '00000409_LONGMONTHNAMES[12]=December'
      '00000409_LONGMONTHNAMES[1]=January'
      '00000409_LONGMONTHNAMES[2]=February'
      '00000409_LONGMONTHNAMES[3]=March'
      '00000409_LONGMONTHNAMES[4]=April'
      '00000409_LONGMONTHNAMES[5]=May'
      '00000409_LONGMONTHNAMES[6]=June'
      '00000409_LONGMONTHNAMES[7]=July'
      '00000409_LONGMONTHNAMES[8]=August'
      '00000409_LONGMONTHNAMES[9]=September'
      '00000409_LONGTIMEFORMAT=hh:mm:ss AMPM'
      '00000409_NATIVECOUNTRYNAME=United States'
      '00000409_NATIVENAME=English'
      '00000409_NEGCURRFORMAT=1'
      '00000409_SHORTDATEFORMAT=M/d/yyyy'
      '00000409_SHORTDAYNAMES[1]=Mon'
      '00000409_SHORTDAYNAMES[2]=Tue'
      '00000409_SHORTDAYNAMES[3]=Wed'
      '00000409_SHORTDAYNAMES[4]=Thu'
      '00000409_SHORTDAYNAMES[5]=Fri'
      '00000409_SHORTDAYNAMES[6]=Sat'
      '00000409_SHORTDAYNAMES[7]=Sun'
      '00000409_SHORTMONTHNAMES[10]=Oct'
      '00000409_SHORTMONTHNAMES[11]=Nov'
      '00000409_SHORTMONTHNAMES[12]=Dec'
      '00000409_SHORTMONTHNAMES[1]=Jan'
      '00000409_SHORTMONTHNAMES[2]=Feb'
      '00000409_SHORTMONTHNAMES[3]=Mar'
      '00000409_SHORTMONTHNAMES[4]=Apr'
      '00000409_SHORTMONTHNAMES[5]=May'
      '00000409_SHORTMONTHNAMES[6]=Jun'
      '00000409_SHORTMONTHNAMES[7]=Jul'
      '00000409_SHORTMONTHNAMES[8]=Aug'
      '00000409_SHORTMONTHNAMES[9]=Sep'
      '00000409_SHORTTIMEFORMAT=hh:mm AMPM'
      '00000409_THOUSANDSEPARATOR=,'
      '00000409_TIMEAMSTRING=AM'
      '00000409_TIMEPMSTRING=PM'
      '00000409_TIMESEPARATOR=:'
      '00000409_TWODIGITYEARCENTURYWINDOW=0'
      '0000041D_CURRENCYDECIMALS=2'
      '0000041D_CURRENCYFORMAT=3'
      '0000041D_CURRENCYSTRING=kr'
      '0000041D_DATESEPARATOR=-'
      '0000041D_DECIMALSEPARATOR=,'
      '0000041D_ENGLISHCOUNTRYNAME=Sweden'
      '0000041D_ENGLISHNAME=Swedish'
      '0000041D_LISTSEPARATOR=;'
      '0000041D_LONGDATEFORMAT=dddd d MMMM yyyy'
      '0000041D_LONGDAYNAMES[1]=måndag'
      '0000041D_LONGDAYNAMES[2]=tisdag'
      '0000041D_LONGDAYNAMES[3]=onsdag'
      '0000041D_LONGDAYNAMES[4]=torsdag'
      '0000041D_LONGDAYNAMES[5]=fredag'
      '0000041D_LONGDAYNAMES[6]=lördag'
      '0000041D_LONGDAYNAMES[7]=söndag'
      '0000041D_LONGMONTHNAMES[10]=oktober'
      '0000041D_LONGMONTHNAMES[11]=november'
      '0000041D_LONGMONTHNAMES[12]=december'
      '0000041D_LONGMONTHNAMES[1]=januari'
      '0000041D_LONGMONTHNAMES[2]=februari'
      '0000041D_LONGMONTHNAMES[3]=mars'
      '0000041D_LONGMONTHNAMES[4]=april'
      '0000041D_LONGMONTHNAMES[5]=maj'
      '0000041D_LONGMONTHNAMES[6]=juni'
      '0000041D_LONGMONTHNAMES[7]=juli'
      '0000041D_LONGMONTHNAMES[8]=augusti'
      '0000041D_LONGMONTHNAMES[9]=september'
      '0000041D_LONGTIMEFORMAT=hh:mm:ss'
      '0000041D_NATIVECOUNTRYNAME=Sverige'
      '0000041D_NATIVENAME=svenska'
      '0000041D_NEGCURRFORMAT=8'
      '0000041D_SHORTDATEFORMAT=yyyy-MM-dd'
      '0000041D_SHORTDAYNAMES[1]=mån'
      '0000041D_SHORTDAYNAMES[2]=tis'
      '0000041D_SHORTDAYNAMES[3]=ons'
      '0000041D_SHORTDAYNAMES[4]=tors'
      '0000041D_SHORTDAYNAMES[5]=fre'
      '0000041D_SHORTDAYNAMES[6]=lör'
      '0000041D_SHORTDAYNAMES[7]=sön'
      '0000041D_SHORTMONTHNAMES[10]=okt.'
      '0000041D_SHORTMONTHNAMES[11]=nov.'
      '0000041D_SHORTMONTHNAMES[12]=dec.'
      '0000041D_SHORTMONTHNAMES[1]=jan.'
      '0000041D_SHORTMONTHNAMES[2]=feb.'
      '0000041D_SHORTMONTHNAMES[3]=mars'
      '0000041D_SHORTMONTHNAMES[4]=apr.'
      '0000041D_SHORTMONTHNAMES[5]=maj'
      '0000041D_SHORTMONTHNAMES[6]=juni'
      '0000041D_SHORTMONTHNAMES[7]=juli'
      '0000041D_SHORTMONTHNAMES[8]=aug.'
      '0000041D_SHORTMONTHNAMES[9]=sep.'
      '0000041D_SHORTTIMEFORMAT=hh:mm'
      '0000041D_THOUSANDSEPARATOR= '
      '0000041D_TIMEAMSTRING=fm'
      '0000041D_TIMEPMSTRING=em'
      '0000041D_TIMESEPARATOR=:'
      '0000041D_TWODIGITYEARCENTURYWINDOW=0')
    DesignLocale = 'English, United States 00000409'
    ListFormat = '%0:s, %1:s'
    StartupLocale = 'User default 00000400'
    Left = 80
    Top = 300
  end
  object SwedishTranslation: TFormTranslator
    Locale = 1053
    Translate = False
    Translations.Strings = (
      'BtnAddCommon.Caption=''Lägg till'''
      'BtnBrowseMod.Caption=''Bläddra'''
      'BtnClose.Caption=''S&täng'''
      'BtnCommonDlgProp.Caption=''Egenskaper'''
      'BtnDefault.Caption=''Standard'''
      'BtnDeleteCommon.Caption=''Ta bort'''
      'BtnHelp.Caption=''&Hjälp'''
      'BtnIncludeMod.Caption=''Ta med'''
      'BtnLocExclude.Caption=''Ta bort'''
      'BtnLocInclude.Caption=''Ta med'''
      'BtnLocaleProp.Caption=''Egenskaper'''
      'BtnNext.Caption=''&Nästa'''
      'BtnPrev.Caption=''&Föregående'''
      'BtnRemoveMod.Caption=''Ta bort'''
      'BtnSet.Caption=''Spara'''
      'BtnUserTranslate.Caption=''Översätt'''
      'Caption=''Zantor-experten'''
      'CkxCommonDlg.Caption=''Översätt standarddialogrutor'''
      'CkxEmpty.Caption=''Ta med även tomma strängar'''
      'CkxForms.Caption=''Översätt formulär och VCL-komponenter (DFM-filer)'''
      'CkxResources.Caption=''Översätt strängresurser i VCL-biblioteket, RC-tabeller, resourcestrings m.m.'''
      'CkxScanForms.Caption=''Sök i formulärfilerna efter texter att översätta, som rubriker, tips m.m.'''
      'GrpLang.Caption=''Expertens språk'''
      'LblApply.Caption=''&Verkställ'''
      'LblApplyGlobalization.Caption=''Experten är nu redo att göra de ändringar som behövs i projektet. '''
      'LblCommonDlg.Caption=''Standarddialogrutor'''
      'LblCommonDlgProp.Caption=''Komponenten som översätter standarddialogrutor har egenskaper för lokalisering som är till stor nytta i ett program med flera språk.'''
      'LblCommonProps.Caption=''Gemensamma egenskaper'''
      'LblDictLangs.Caption=''Ordlistan innehåller översättningar från designspråket och'''
      'LblExportFile.Caption=''Fil som ska skapas för översättning'''
      'LblFinishedGlobalized.Caption=''Klar att göra ändringarna i projektet'''
      'LblFinishedImport.Caption=''Klar att importera översättningar'''
      'LblFinishedLocalization.Caption=''Skapa översättningsresurserna'''
      'LblForms.Caption=''Genomsökning av formulär och komponentegenskaper'''
      'LblImport.Caption=''Importera översättningar'''
      'LblImportDesc.Caption=''Översättningar kan importeras från antingen en ordlistefil eller en egenskapsfil. Filen ska ha skapats med den här experten eller med procedurerna SaveTo och TranslateTo.'''
      'LblImportFile.Caption=''Importera översättningar från fil'''
      'LblKb.Caption=''kB'''
      'LblLocExport.Caption=''Skapa fil för språken'''
      'LblLocInProject.Caption=''Tillgängliga språk i projektet'''
      'LblLocType1.Caption=''Skapar en sorterad textfil med tabbavgränsade översättningar. Metoden är snabb och effektiv men kan ge förvirrande användargränssnitt. Framför allt klarar den inte böjningar av ord särskilt bra.'''
      'LblLocType2.Caption=''Skapar en textfil med översättningar per egenskap. Den ger full kontroll över användargränssnittet, så att lokaliserade gränssnitt håller hög kvalitet. Böjningar och andra grammatiska egenheter i språket stöds fullt ut.'''
      'LblLocales.Caption=''Språk och regioner'''
      'LblLocalesInApp.Caption=''Språk i projektet'''
      'LblLocalization.Caption=''Förbered projektet för översättning'''
      'LblMain.Caption=''Zantor-experten'''
      'LblMainForm.Caption=''Välj huvudformuläret, eller formuläret där användaren byter språk'''
      'LblModules.Caption=''Strängresurser'''
      'LblModulesIncluded.Caption=''Moduler och enheter att översätta'''
      'LblNext.Caption=''&Nästa'''
      'LblResModules.Caption=''Tillgängliga moduler och enheter'''
      'LblSplit.Caption=''Dela filen när den blir större än'''
      'LblStrCnt.Caption=''Innehåller %d strängar'''
      'LblTypeDetected.Caption=''Filtypen som ska importeras identifierades som'''
      'NoteFeatures.Pages[0]=''Allmänt'''
      'NoteFeatures.Pages[1]=''Formulär'''
      'PnlProjectName.Caption=''(Inget)'''
      'Radio1.Caption=''Globalisera projektet och ändra dess internationella beteende'''
      'Radio2.Caption=''Förbered projektet för översättning'''
      'Radio3.Caption=''Läs in externa översättningar i projektet'''
      'RadioDictType.Caption=''Ordlistefil, varje översättning ersätter alla förekomster av texten'''
      'RadioLocType1.Caption=''Ordlistefil, varje översättning ersätter alla förekomster av texten'''
      'RadioLocType2.Caption=''Egenskapsfil, varje egenskap kan ha en egen översättning'''
      'RadioPropType.Caption=''Egenskapsfil, varje egenskap kan ha en egen översättning'''
      'RadioStorage1.Caption=''Spara översättningarna i formulären'''
      'RadioStorage2.Caption=''Spara översättningarna i en extern textfil'''
      'StartNote.Pages[0]=''Start'''
      'StartNote.Pages[1]=''Inställningar'''
      'SystemMenuClose=''&Stäng'''
      'SystemMenuMaximize=''Ma&ximera'''
      'SystemMenuMinimize=''Mi&nimera'''
      'SystemMenuMove=''&Flytta'''
      'SystemMenuRestore=''&Återställ'''
      'SystemMenuSize=''&Storlek'''
      'WizNote.Pages[0]=''Start'''
      'WizNote.Pages[10]=''Slutför import'''
      'WizNote.Pages[1]=''Funktioner'''
      'WizNote.Pages[2]=''Språk'''
      'WizNote.Pages[3]=''Formulär'''
      'WizNote.Pages[4]=''Resurser'''
      'WizNote.Pages[5]=''Dialogrutor'''
      'WizNote.Pages[6]=''Slutför globalisering'''
      'WizNote.Pages[7]=''Lokalisering'''
      'WizNote.Pages[8]=''Slutför lokalisering'''
      'WizNote.Pages[9]=''Import''')
    Left = 112
    Top = 300
  end
  object UserTranslation: TFormTranslator
    FileName = 'UsrLang.txt'
    Storage = 0
    Left = 144
    Top = 300
  end
end
