object LocaleEditor: TLocaleEditor
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Locale Translation Editor'
  ClientHeight = 375
  ClientWidth = 493
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Arial'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  ShowHint = True
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 14
  object FormNotebook: TPageControl
    Left = 4
    Top = 4
    Width = 485
    Height = 331
    ActivePage = TabTranslations
    TabOrder = 0
    object TabTranslations: TTabSheet
      Caption = 'Translations'
      object LblLang: TLabel
        Left = 8
        Top = 10
        Width = 34
        Height = 14
        Caption = 'Locale'
      end
      object LblPropList: TLabel
        Left = 8
        Top = 40
        Width = 175
        Height = 14
        Caption = 'Locale properties to be translated'
      end
      object LblProp: TLabel
        Left = 232
        Top = 40
        Width = 237
        Height = 98
        AutoSize = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -11
        Font.Name = 'Arial'
        Font.Style = [fsBold]
        ParentFont = False
        WordWrap = True
      end
      object LblTranslation: TLabel
        Left = 232
        Top = 142
        Width = 55
        Height = 14
        Caption = 'Translation'
      end
      object CbxLang: TComboBox
        Left = 56
        Top = 6
        Width = 413
        Height = 22
        Style = csDropDownList
        ItemHeight = 14
        Sorted = True
        TabOrder = 0
        OnChange = CbxLangChange
      end
      object PropList: TListBox
        Left = 8
        Top = 56
        Width = 217
        Height = 240
        Hint = 'These are the internationalized properties to be translated'
        ItemHeight = 14
        Sorted = True
        TabOrder = 1
        OnClick = PropListClick
      end
      object EdtTranslation: TMemo
        Left = 232
        Top = 158
        Width = 237
        Height = 138
        Hint = 'Edit the translation. Use PageUp/PageDown to move between properties'
        Color = clBtnFace
        Enabled = False
        ScrollBars = ssVertical
        TabOrder = 2
        WantTabs = True
        OnExit = EdtTranslationExit
        OnKeyDown = EdtTranslationKeyDown
      end
      object DescList: TListBox
        Left = 8
        Top = 280
        Width = 40
        Height = 16
        ItemHeight = 14
        TabOrder = 3
        Visible = False
        Items.Strings = (
          'LONGDAYNAMES[1]=Native name for Monday.'
          'LONGDAYNAMES[2]=Native name for Tuesday.'
          'LONGDAYNAMES[3]=Native name for Wednesday.'
          'LONGDAYNAMES[4]=Native name for Thursday.'
          'LONGDAYNAMES[5]=Native name for Friday.'
          'LONGDAYNAMES[6]=Native name for Saturday.'
          'LONGDAYNAMES[7]=Native name for Sunday.'
          'SHORTDAYNAMES[1]=Native abbreviated name for Monday.'
          'SHORTDAYNAMES[2]=Native abbreviated name for Tuesday.'
          'SHORTDAYNAMES[3]=Native abbreviated name for Wednesday.'
          'SHORTDAYNAMES[4]=Native abbreviated name for Thursday.'
          'SHORTDAYNAMES[5]=Native abbreviated name for Friday.'
          'SHORTDAYNAMES[6]=Native abbreviated name for Saturday.'
          'SHORTDAYNAMES[7]=Native abbreviated name for Sunday.'
          'LONGMONTHNAMES[1]=Native name for January.'
          'LONGMONTHNAMES[2]=Native name for February.'
          'LONGMONTHNAMES[3]=Native name for March.'
          'LONGMONTHNAMES[4]=Native name for April.'
          'LONGMONTHNAMES[5]=Native name for May.'
          'LONGMONTHNAMES[6]=Native name for June.'
          'LONGMONTHNAMES[7]=Native name for July.'
          'LONGMONTHNAMES[8]=Native name for August.'
          'LONGMONTHNAMES[9]=Native name for September.'
          'LONGMONTHNAMES[10]=Native name for October.'
          'LONGMONTHNAMES[11]=Native name for November.'
          'LONGMONTHNAMES[12]=Native name for December.'
          'SHORTMONTHNAMES[1]=Native abbreviated name for January.'
          'SHORTMONTHNAMES[2]=Native abbreviated name for February.'
          'SHORTMONTHNAMES[3]=Native abbreviated name for March.'
          'SHORTMONTHNAMES[4]=Native abbreviated name for April.'
          'SHORTMONTHNAMES[5]=Native abbreviated name for May.'
          'SHORTMONTHNAMES[6]=Native abbreviated name for June.'
          'SHORTMONTHNAMES[7]=Native abbreviated name for July.'
          'SHORTMONTHNAMES[8]=Native abbreviated name for August.'
          'SHORTMONTHNAMES[9]=Native abbreviated name for September.'
          'SHORTMONTHNAMES[10]=Native abbreviated name for October.'
          'SHORTMONTHNAMES[11]=Native abbreviated name for November.'
          'SHORTMONTHNAMES[12]=Native abbreviated name for December.'
          'SHORTTIMEFORMAT=Short time format. h=hour, hh=hour with leading zero, mm=minutes, AMPM=12-hour clock with the am/pm strings'
          'LONGTIMEFORMAT=Long time format. h=hour, hh=hour with leading zero, mm=minutes, ss=seconds, AMPM=12-hour clock with the am/pm strings'
          'TIMESEPARATOR=Character that separates hours, minutes and seconds.'
          'TIMEAMSTRING=Suffix for times before noon on a 12-hour clock.'
          'TIMEPMSTRING=Suffix for times after noon on a 12-hour clock.'
          'DATESEPARATOR=Character that separates day, month and year.'
          'SHORTDATEFORMAT=Short date format. d=day, dd=day with leading zero, M=month, MM=month with leading zero, yy=year in two digits, yyyy=year in four digits'
          'LONGDATEFORMAT=Long date format. dddd=day name, d=day, MMMM=month name, yyyy=year; text in single quotes is shown as it is'
          'CURRENCYFORMAT=Positive currency format. 0=$1.1, 1=1.1$, 2=$ 1, 3=1 $'
          'NEGCURRFORMAT=Negative currency format. 0=($1.1), 1=-$1.1, 2=$-1.1, 3=$1.1-, 4=(1.1$), 5=-1.1$, 6=1.1-$, 7=1.1$-, 8=-1.1 $, 9=-$ 1.1, 10=1.1 $-, 11=$ 1.1-, 12=$ -1.1, 13=1.1- $, 14=($ 1.1), 15=(1.1 $)'
          'CURRENCYDECIMALS=Number of digits after the decimal separator in currency amounts.'
          'CURRENCYSTRING=Currency symbol.'
          'THOUSANDSEPARATOR=Character that separates groups of thousands in numbers.'
          'DECIMALSEPARATOR=Character that separates the whole part of a number from its decimals.'
          'ENGLISHNAME=English name of the language.'
          'NATIVENAME=Native name of the language.'
          'ENGLISHCOUNTRYNAME=English name of the country.'
          'NATIVECOUNTRYNAME=Native name of the country.'
          'LISTSEPARATOR=Character that separates the items of a list.'
          'TWODIGITYEARCENTURYWINDOW=Century window for two-digit years. 0=the current century, n=the hundred years that begin n years before this year'
          'COMPANIONTAG=Free text kept with the locale; it is not applied.')
      end
    end
    object TabLocales: TTabSheet
      Caption = 'Locales'
      object LblLangList: TLabel
        Left = 8
        Top = 6
        Width = 75
        Height = 14
        Caption = 'System locales'
      end
      object LblLangListInApp: TLabel
        Left = 280
        Top = 6
        Width = 120
        Height = 14
        Caption = 'Locales in application'
      end
      object LangList: TListBox
        Left = 8
        Top = 22
        Width = 185
        Height = 274
        ItemHeight = 14
        Sorted = True
        TabOrder = 0
        OnClick = LangListClick
      end
      object LangListInApp: TListBox
        Left = 280
        Top = 22
        Width = 189
        Height = 274
        ItemHeight = 14
        Sorted = True
        TabOrder = 1
        OnClick = LangListInAppClick
      end
      object BtnCopyLang: TButton
        Left = 200
        Top = 40
        Width = 73
        Height = 25
        Caption = 'Copy >>'
        Enabled = False
        TabOrder = 2
        OnClick = BtnCopyLangClick
      end
      object BtnRemoveLang: TButton
        Left = 200
        Top = 72
        Width = 73
        Height = 25
        Caption = 'Remove <<'
        Enabled = False
        TabOrder = 3
        OnClick = BtnRemoveLangClick
      end
      object BtnUserLang: TButton
        Left = 200
        Top = 120
        Width = 73
        Height = 25
        Caption = 'New'
        TabOrder = 4
        OnClick = BtnUserLangClick
      end
      object BtnSetStartup: TButton
        Left = 200
        Top = 168
        Width = 73
        Height = 25
        Caption = 'Set startup'
        Enabled = False
        TabOrder = 5
        Visible = False
        OnClick = BtnSetStartupClick
      end
      object BtnSetDefault: TButton
        Left = 200
        Top = 200
        Width = 73
        Height = 25
        Caption = 'Set designtime'
        Enabled = False
        TabOrder = 6
        Visible = False
        OnClick = BtnSetDefaultClick
      end
    end
    object TabOptions: TTabSheet
      Caption = 'Options'
      object LblLocaleList: TLabel
        Left = 16
        Top = 16
        Width = 200
        Height = 14
        Caption = 'Get system Locale properties from file'
      end
      object EdtLocaleList: TEdit
        Left = 16
        Top = 34
        Width = 409
        Height = 22
        TabOrder = 0
        OnChange = EdtLocaleListChange
        OnExit = EdtLocaleListExit
      end
      object BtnSelLocale: TButton
        Left = 432
        Top = 33
        Width = 25
        Height = 24
        Caption = '...'
        TabOrder = 1
        OnClick = BtnSelLocaleClick
      end
      object CkxMove: TCheckBox
        Left = 16
        Top = 80
        Width = 320
        Height = 17
        Caption = 'PageUp/PageDown moves to next untranslated property'
        Checked = True
        State = cbChecked
        TabOrder = 2
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
          Height = 14
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
          Height = 14
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
    object TabDictionary: TTabSheet
      Caption = 'Dictionary'
      object LblLoad: TLabel
        Left = 104
        Top = 22
        Width = 280
        Height = 14
        Caption = 'Load locale properties from an external textfile.'
      end
      object LblSave: TLabel
        Left = 104
        Top = 62
        Width = 280
        Height = 14
        Caption = 'Save current locale properties to an external textfile.'
      end
      object BtnLoad: TButton
        Left = 16
        Top = 16
        Width = 75
        Height = 25
        Caption = 'Load'
        TabOrder = 0
        OnClick = BtnLoadClick
      end
      object BtnSave: TButton
        Left = 16
        Top = 56
        Width = 75
        Height = 25
        Caption = 'Save'
        TabOrder = 1
        OnClick = BtnSaveClick
      end
    end
  end
  object BtnOK: TButton
    Left = 326
    Top = 343
    Width = 75
    Height = 25
    Caption = '&OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
    OnClick = BtnOKClick
  end
  object BtnCancel: TButton
    Left = 410
    Top = 343
    Width = 75
    Height = 25
    Cancel = True
    Caption = '&Cancel'
    TabOrder = 2
    OnClick = BtnCancelClick
  end
  object OpenDialog1: TOpenDialog
    DefaultExt = 'txt'
    Filter = 'Locale translations (*.txt)|*.txt|All files (*.*)|*.*'
    Left = 24
    Top = 336
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'txt'
    Filter = 'Locale translations (*.txt)|*.txt|All files (*.*)|*.*'
    Left = 56
    Top = 336
  end
  object FontDialog1: TFontDialog
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Left = 88
    Top = 336
  end
end
