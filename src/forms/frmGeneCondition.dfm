inherited frmGeneCondition: TfrmGeneCondition
  Left = 0
  Top = 0
  Width = 488
  Height = 232
  BorderIcons = []
  Caption = '条件方案'
  Font.Name = 'MS Sans Serif'
  KeyPreview = True
  Position = poOwnerFormCenter
  object lblCondition: TLabel
    Left = 8
    Top = 12
    Width = 80
    Height = 13
    Caption = '         方案名'
    FocusControl = edConName
  end
  object edConName: TEdit
    Left = 92
    Top = 8
    Width = 180
    Height = 21
    Color = 11534335
    MaxLength = 20
    TabOrder = 0
  end
  object gbDateFields: TGroupBox
    Left = 8
    Top = 36
    Width = 468
    Height = 124
    Caption = '日期字段'
    TabOrder = 3
    object lblPeriod13: TLabel
      Left = 8
      Top = 20
      Width = 80
      Height = 13
      Caption = '      条件'
    end
    object cbodatecondition: TComboBox
      Left = 92
      Top = 16
      Width = 180
      Height = 21
      Style = csDropDownList
      TabOrder = 0
      OnChange = cbodateconditionChange
    end
    object pnSp: TPanel
      Left = 4
      Top = 44
      Width = 460
      Height = 72
      BevelOuter = bvNone
      TabOrder = 1
        object spDate_B: TBitCheckBox
          Left = 8
          Top = 8
          Width = 80
          Height = 17
          Caption = '起始日期'
          OnClick = RuleCheckClick
          OnEnter = RuleEditorEnter
        end
        object lblPeriodB: TLabel
          Left = 92
          Top = 10
          Width = 100
          Height = 13
          Caption = '        =预定运行日'
        end
        object seSetDay_B1: TSpinEdit
          Left = 196
          Top = 6
          Width = 44
          Height = 22
          Enabled = False
          Hint = '时间: 时'
          MaxLength = 3
          MaxValue = 99
          MinValue = -99
          ShowHint = True
          Text = '0'
          OnChange = RuleEditorChange
          OnEnter = RuleEditorEnter
          OnExit = SpinExit
        end
        object cboSetDay_B1: TComboBox
          Left = 244
          Top = 6
          Width = 60
          Height = 21
          Enabled = False
          Style = csDropDownList
          Items.Strings = (
            '周'
            '月')
          OnChange = RuleEditorChange
          OnEnter = RuleEditorEnter
        end
        object cboSetDay_B2: TComboBox
          Left = 308
          Top = 6
          Width = 76
          Height = 21
          Enabled = False
          Style = csDropDownList
          Items.Strings = (
            '加/减'
            '第一天'
            '最后一天')
          OnChange = ModeChange
          OnEnter = RuleEditorEnter
        end
        object seSetDay_B2: TSpinEdit
          Left = 388
          Top = 6
          Width = 52
          Height = 22
          Enabled = False
          Hint = '时间: 时'
          MaxLength = 4
          MaxValue = 999
          MinValue = -999
          ShowHint = True
          Text = '0'
          OnChange = RuleEditorChange
          OnEnter = RuleEditorEnter
          OnExit = SpinExit
        end
        object lblPeriodB1: TLabel
          Left = 444
          Top = 10
          Width = 16
          Height = 13
          Caption = '天'
        end
        object spDate_E: TBitCheckBox
          Left = 8
          Top = 36
          Width = 80
          Height = 17
          Caption = '截止日期'
          OnClick = RuleCheckClick
          OnEnter = RuleEditorEnter
        end
        object lblPeriodE: TLabel
          Left = 92
          Top = 38
          Width = 100
          Height = 13
          Caption = '        =预定运行日'
        end
        object seSetDay_E1: TSpinEdit
          Left = 196
          Top = 34
          Width = 44
          Height = 22
          Enabled = False
          Hint = '时间: 时'
          MaxLength = 3
          MaxValue = 99
          MinValue = -99
          ShowHint = True
          Text = '0'
          OnChange = RuleEditorChange
          OnEnter = RuleEditorEnter
          OnExit = SpinExit
        end
        object cboSetDay_E1: TComboBox
          Left = 244
          Top = 34
          Width = 60
          Height = 21
          Enabled = False
          Style = csDropDownList
          Items.Strings = (
            '周'
            '月')
          OnChange = RuleEditorChange
          OnEnter = RuleEditorEnter
        end
        object cboSetDay_E2: TComboBox
          Left = 308
          Top = 34
          Width = 76
          Height = 21
          Enabled = False
          Style = csDropDownList
          Items.Strings = (
            '加/减'
            '第一天'
            '最后一天')
          OnChange = ModeChange
          OnEnter = RuleEditorEnter
        end
        object seSetDay_E2: TSpinEdit
          Left = 388
          Top = 34
          Width = 52
          Height = 22
          Enabled = False
          Hint = '时间: 时'
          MaxLength = 4
          MaxValue = 999
          MinValue = -999
          ShowHint = True
          Text = '0'
          OnChange = RuleEditorChange
          OnEnter = RuleEditorEnter
          OnExit = SpinExit
        end
        object lblPeriodE1: TLabel
          Left = 444
          Top = 38
          Width = 16
          Height = 13
          Caption = '天'
        end
    end
    object pnEdit: TPanel
      Left = 4
      Top = 44
      Width = 460
      Height = 72
      BevelOuter = bvNone
      TabOrder = 2
        object edSetDate: TBitCheckBox
          Left = 8
          Top = 8
          Width = 80
          Height = 17
          Caption = '变动日期'
          OnClick = RuleCheckClick
          OnEnter = RuleEditorEnter
        end
        object lblPeriod15: TLabel
          Left = 92
          Top = 10
          Width = 100
          Height = 13
          Caption = '=预定运行日'
        end
        object seSetDay1: TSpinEdit
          Left = 196
          Top = 6
          Width = 44
          Height = 22
          Enabled = False
          Hint = '时间: 时'
          MaxLength = 3
          MaxValue = 99
          MinValue = -99
          ShowHint = True
          Text = '0'
          OnChange = RuleEditorChange
          OnEnter = RuleEditorEnter
          OnExit = SpinExit
        end
        object cboSetDay1: TComboBox
          Left = 244
          Top = 6
          Width = 60
          Height = 21
          Enabled = False
          Style = csDropDownList
          Items.Strings = (
            '周'
            '月')
          OnChange = RuleEditorChange
          OnEnter = RuleEditorEnter
        end
        object cboSetDay2: TComboBox
          Left = 308
          Top = 6
          Width = 76
          Height = 21
          Enabled = False
          Style = csDropDownList
          Items.Strings = (
            '加/减'
            '第一天'
            '最后一天')
          OnChange = ModeChange
          OnEnter = RuleEditorEnter
        end
        object seSetDay2: TSpinEdit
          Left = 388
          Top = 6
          Width = 52
          Height = 22
          Enabled = False
          Hint = '时间: 时'
          MaxLength = 4
          MaxValue = 999
          MinValue = -999
          ShowHint = True
          Text = '0'
          OnChange = RuleEditorChange
          OnEnter = RuleEditorEnter
          OnExit = SpinExit
        end
        object lblPeriod16: TLabel
          Left = 444
          Top = 10
          Width = 16
          Height = 13
          Caption = '天'
        end
    end
  end
  object btnOk: TButton
    Left = 316
    Top = 172
    Width = 75
    Height = 25
    Caption = '确定'
    TabOrder = 1
    OnClick = btnOkClick
  end
  object btnCancel: TButton
    Left = 400
    Top = 172
    Width = 75
    Height = 25
    Cancel = True
    Caption = '取消'
    ModalResult = 2
    TabOrder = 2
  end
end
