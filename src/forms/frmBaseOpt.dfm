inherited frmBaseOpt: TfrmBaseOpt
  Width = 560
  Height = 360
  object pmOKExit: TPopupMenu
    object miOKExit: TMenuItem
      Caption = '处理后直接退出作业(&C)'
      OnClick = miOKExitClick
    end
    object miOKNoExit: TMenuItem
      Caption = '处理后并不退出作业(&B)'
      OnClick = miOKNoExitClick
    end
  end
  inherited pnlCondition: TPanel
    inherited ToolBar1: TToolBar
      inherited btnInsert: TToolButton
        OnClick = btnInsertClick
      end
    end
  end
  inherited pgOption: TExtPageControl
    inherited tsOption2: TTabSheet
      object grpGenTime: TGroupBox
        Left = 8
        Top = 41
        Width = 220
        Height = 115
        Caption = '生成时间'
        TabOrder = 1
        object rdoRealTime: TNvRadioButton
          Left = 8
          Top = 16
          Width = 200
          Height = 17
          Caption = '实时生成信息'
          Hint = '信息需要立即生成'
          TabOrder = 0
          OnClick = rdoQueueClick
        end
        object rdoQueue: TNvRadioButton
          Left = 8
          Top = 36
          Width = 200
          Height = 17
          Caption = '放入工作队列'
          Checked = True
          Hint = '排入工作队列等候运行'
          TabOrder = 1
          OnClick = rdoQueueClick
        end
        object rdoExceptTime: TNvRadioButton
          Left = 8
          Top = 56
          Width = 200
          Height = 17
          Caption = '在下列时间生成信息'
          Hint = '按设置时间生成报表'
          TabOrder = 2
          OnClick = rdoExceptTimeClick
        end
        object pnlTime: TPanel
          Left = 8
          Top = 76
          Width = 204
          Height = 32
          BevelOuter = bvNone
          Enabled = False
          TabOrder = 3
          object lblHour: TLabel
            Left = 130
            Top = 8
            Width = 12
            Height = 13
            Caption = '时'
          end
          object lblMin: TLabel
            Left = 164
            Top = 8
            Width = 12
            Height = 13
            Caption = '分'
          end
          object lblSec: TLabel
            Left = 198
            Top = 8
            Width = 12
            Height = 13
            Caption = '秒'
          end
          object edDate: TMaskEdit
            Left = 0
            Top = 4
            Width = 80
            Height = 21
            Hint = '[F2]日期快手'
            TabOrder = 0
            OnEnter = edDateEnter
            OnExit = edDateExit
          end
          object btnDate: TF2Button
            Left = 82
            Top = 4
            Width = 21
            Height = 21
            F2Control = edDate
            GlyphIndex = 9
            Hint = '日期快手'
          end
          object edHour: TNvSpinEdit
            Left = 104
            Top = 4
            Width = 26
            Height = 21
            Hint = '时间: 时'
            MaxLength = 2
            MaxValue = 23
            MinValue = 0
            TabOrder = 1
          end
          object edMin: TNvSpinEdit
            Left = 138
            Top = 4
            Width = 26
            Height = 21
            Hint = '时间: 分'
            MaxLength = 2
            MaxValue = 59
            MinValue = 0
            TabOrder = 2
          end
          object edSec: TNvSpinEdit
            Left = 172
            Top = 4
            Width = 26
            Height = 21
            Hint = '时间: 秒'
            MaxLength = 2
            MaxValue = 59
            MinValue = 0
            TabOrder = 3
          end
        end
      end
      object chkNotify: TBitCheckBox
        Left = 8
        Top = 164
        Width = 97
        Height = 17
        Caption = '完成后通知'
        TabOrder = 2
        OnClick = chkNotifyClick
      end
      object btnNotify: TGSpeedButton
        Left = 108
        Top = 162
        Width = 23
        Height = 22
        Enabled = False
        GlyphIndex = 39
        Hint = '选择需要通知的用户'
        OnClick = btnNotifyClick
      end
      object grpAlarm: TGroupBox
        Left = 236
        Top = 41
        Width = 140
        Height = 60
        Caption = '通知方式'
        TabOrder = 3
        Visible = False
        object chkDsPager: TCheckBox
          Left = 8
          Top = 16
          Width = 120
          Height = 17
          Caption = 'B.B.CALL'
          TabOrder = 0
          Visible = False
        end
        object chkAlarm: TCheckBox
          Left = 8
          Top = 36
          Width = 120
          Height = 17
          Caption = '显示讯息'
          TabOrder = 1
          Visible = False
        end
      end
    end
    object tsPeriodOption: TTabSheet
      Caption = '周期性设置'
      TabVisible = False
      OnShow = tsPeriodOptionShow
        object lblPeriod1: TLabel
          Left = 8
          Top = 12
          Width = 48
          Height = 13
          Caption = '运行时间'
        end
        object sePeriodHour: TNvSpinEdit
          Left = 64
          Top = 8
          Width = 40
          Height = 22
          Hint = '时间: 时'
          MaxLength = 2
          MaxValue = 23
          MinValue = 0
          TabOrder = 0
          Text = '0'
          OnExit = sePeriodHourExit
        end
        object lblPeriodHour: TLabel
          Left = 106
          Top = 12
          Width = 12
          Height = 13
          Caption = '时'
        end
        object sePeriodMin: TNvSpinEdit
          Left = 124
          Top = 8
          Width = 40
          Height = 22
          Hint = '时间: 分'
          MaxLength = 2
          MaxValue = 59
          MinValue = 0
          TabOrder = 1
          Text = '0'
          OnExit = sePeriodHourExit
        end
        object lblPeriodMin: TLabel
          Left = 166
          Top = 12
          Width = 12
          Height = 13
          Caption = '分'
        end
        object gbCycleStyle: TGroupBox
          Left = 8
          Top = 34
          Width = 512
          Height = 100
          Caption = '循环模式'
          TabOrder = 2
          object rdoEveryday: TNvRadioButton
            Left = 8
            Top = 18
            Width = 80
            Height = 17
            Caption = '每天'
            Checked = True
            TabOrder = 0
            OnClick = rdoEverydayClick
          end
          object rdoEveryWeek: TNvRadioButton
            Left = 8
            Top = 38
            Width = 80
            Height = 17
            Caption = '每周'
            TabOrder = 1
            OnClick = rdoEveryWeekClick
          end
          object rdoEveryMonth: TNvRadioButton
            Left = 8
            Top = 58
            Width = 80
            Height = 17
            Caption = '每月'
            TabOrder = 2
            OnClick = rdoEveryMonthClick
          end
          object rbEveryHour: TNvRadioButton
            Left = 8
            Top = 78
            Width = 80
            Height = 17
            Caption = '每小时'
            TabOrder = 3
            OnClick = rbEveryHourClick
          end
          object pnDay: TPanel
            Left = 96
            Top = 14
            Width = 400
            Height = 56
            BevelOuter = bvNone
            TabOrder = 4
            object lblDay1: TLabel
              Left = 4
              Top = 8
              Width = 12
              Height = 13
              Caption = '每'
            end
            object meDay: TMaskEdit
              Left = 20
              Top = 4
              Width = 40
              Height = 21
              MaxLength = 3
              TabOrder = 0
              Text = '1'
              OnExit = meDayExit
            end
            object lblDay2: TLabel
              Left = 64
              Top = 8
              Width = 12
              Height = 13
              Caption = '天'
            end
          end
          object pnWeek: TPanel
            Left = 96
            Top = 14
            Width = 400
            Height = 56
            BevelOuter = bvNone
            TabOrder = 5
            Visible = False
            object lblWeek1: TLabel
              Left = 4
              Top = 8
              Width = 60
              Height = 13
              Caption = ' 重复于每'
            end
            object meWeek: TMaskEdit
              Left = 64
              Top = 4
              Width = 32
              Height = 21
              MaxLength = 2
              TabOrder = 0
              Text = '1'
              OnExit = meDayExit
            end
            object lblWeek2: TLabel
              Left = 100
              Top = 8
              Width = 24
              Height = 13
              Caption = '周的'
            end
            object cboDayofWeek: TComboBox
              Left = 132
              Top = 4
              Width = 80
              Height = 21
              Style = csDropDownList
              TabOrder = 1
              Items.Strings = (
                '星期日'
                '星期一'
                '星期二'
                '星期三'
                '星期四'
                '星期五'
                '星期六')
            end
          end
          object pnMonth: TPanel
            Left = 96
            Top = 14
            Width = 400
            Height = 56
            BevelOuter = bvNone
            TabOrder = 6
            Visible = False
            object rdomonth_1: TNvRadioButton
              Left = 4
              Top = 6
              Width = 36
              Height = 17
              Caption = '每'
              Checked = True
              TabOrder = 0
              OnClick = rdomonth_1Click
            end
            object meMonth_M1: TMaskEdit
              Left = 40
              Top = 4
              Width = 32
              Height = 21
              MaxLength = 2
              TabOrder = 1
              Text = '1'
              OnExit = meDayExit
            end
            object lblMonth1: TLabel
              Left = 76
              Top = 8
              Width = 36
              Height = 13
              Caption = '个月的'
            end
            object meMonth_D: TMaskEdit
              Left = 152
              Top = 4
              Width = 32
              Height = 21
              MaxLength = 2
              TabOrder = 2
              Text = '1'
              OnExit = meMonth_DExit
            end
            object lblMonth2: TLabel
              Left = 188
              Top = 8
              Width = 12
              Height = 13
              Caption = '日'
            end
            object rdomonth_2: TNvRadioButton
              Left = 4
              Top = 32
              Width = 36
              Height = 17
              Caption = '每'
              TabOrder = 3
              OnClick = rdomonth_2Click
            end
            object meMonth_M2: TMaskEdit
              Left = 40
              Top = 30
              Width = 32
              Height = 21
              MaxLength = 2
              TabOrder = 4
              Text = '1'
              OnExit = meDayExit
            end
            object lblMonth3: TLabel
              Left = 76
              Top = 34
              Width = 36
              Height = 13
              Caption = '个月的'
            end
            object cbo1Month_M2: TComboBox
              Left = 152
              Top = 30
              Width = 72
              Height = 21
              Style = csDropDownList
              TabOrder = 5
              Items.Strings = (
                '第 1 个'
                '第 2 个'
                '第 3 个'
                '第 4 个'
                '最后')
            end
            object cbo2Month_M2: TComboBox
              Left = 228
              Top = 30
              Width = 80
              Height = 21
              Style = csDropDownList
              TabOrder = 6
              Items.Strings = (
                '星期日'
                '星期一'
                '星期二'
                '星期三'
                '星期四'
                '星期五'
                '星期六')
            end
          end
          object pnEveryHour: TPanel
            Left = 96
            Top = 14
            Width = 400
            Height = 56
            BevelOuter = bvNone
            TabOrder = 7
            Visible = False
            object lblHour1: TLabel
              Left = 4
              Top = 8
              Width = 24
              Height = 13
              Caption = '每隔'
            end
            object edEveryHour: TNvEdit
              Left = 32
              Top = 4
              Width = 56
              Height = 21
              MaxLength = 6
              TabOrder = 0
              Text = '1'
              OnExit = edEveryHourExit
              OnKeyPress = edEveryHourKeyPress
            end
            object lblHour2: TLabel
              Left = 92
              Top = 8
              Width = 96
              Height = 13
              Caption = '小时处理一次数据'
            end
          end
        end
        object gbCycleRang: TGroupBox
          Left = 8
          Top = 138
          Width = 512
          Height = 74
          Caption = '循环范围'
          TabOrder = 3
          object lblPeriod11: TLabel
            Left = 8
            Top = 20
            Width = 48
            Height = 13
            Caption = '开始日期'
          end
          object meStartDate: TMaskEdit
            Left = 64
            Top = 16
            Width = 80
            Height = 21
            Hint = '[F2]日期快手'
            TabOrder = 0
          end
          object btnStartDate: TF2Button
            Left = 146
            Top = 16
            Width = 21
            Height = 21
            F2Control = meStartDate
            GlyphIndex = 9
            Hint = '日期快手'
          end
          object rbCycleRang_1: TNvRadioButton
            Left = 184
            Top = 8
            Width = 120
            Height = 17
            Caption = '没有退出日期'
            Checked = True
            TabOrder = 1
            OnClick = rbCycleRang_1Click
          end
          object rbCycleRang_2: TNvRadioButton
            Left = 184
            Top = 28
            Width = 60
            Height = 17
            Caption = '在反复'
            TabOrder = 2
            OnClick = rbCycleRang_2Click
          end
          object meCycleRang_2: TMaskEdit
            Left = 246
            Top = 26
            Width = 40
            Height = 21
            MaxLength = 3
            TabOrder = 3
            Text = '1'
            OnChange = meCycleRang_2Change
            OnExit = meDayExit
          end
          object lblPeriod12: TLabel
            Left = 290
            Top = 30
            Width = 48
            Height = 13
            Caption = '次后退出'
          end
          object rbCycleRang_3: TNvRadioButton
            Left = 184
            Top = 48
            Width = 80
            Height = 17
            Caption = '退出日期'
            TabOrder = 4
            OnClick = rbCycleRang_3Click
          end
          object meEndDate: TMaskEdit
            Left = 266
            Top = 46
            Width = 80
            Height = 21
            Hint = '[F2]日期快手'
            TabOrder = 5
            OnChange = meEndDateChange
            OnExit = meEndDateExit
          end
          object btnEndDate: TF2Button
            Left = 348
            Top = 46
            Width = 21
            Height = 21
            F2Control = meEndDate
            GlyphIndex = 9
            Hint = '日期快手'
          end
        end
        object gbDynamicFields: TGroupBox
          Left = 8
          Top = 216
          Width = 512
          Height = 96
          Caption = '变动字段'
          TabOrder = 4
          object lblDynCondition: TLabel
            Left = 8
            Top = 20
            Width = 72
            Height = 13
            Caption = '   条件:'
          end
          object cbocondition: TComboBox
            Left = 64
            Top = 16
            Width = 180
            Height = 21
            Style = csDropDownList
            TabOrder = 0
            OnChange = cboconditionChange
          end
          object pnSp: TPanel
            Left = 4
            Top = 40
            Width = 500
            Height = 50
            BevelOuter = bvNone
            TabOrder = 1
            object spChangeDate_B: TBitCheckBox
              Left = 4
              Top = 4
              Width = 96
              Height = 17
              Caption = '变动起始日期'
              TabOrder = 0
              OnClick = spChangeDate_BClick
            end
            object lblspChangeDate_B: TLabel
              Left = 104
              Top = 6
              Width = 72
              Height = 13
              Caption = '=预定运行日'
            end
            object seDay_B1: TSpinEdit
              Left = 180
              Top = 2
              Width = 44
              Height = 22
              Enabled = False
              MaxLength = 3
              MaxValue = 99
              MinValue = -99
              TabOrder = 1
              Text = '0'
              OnChange = seDay_B1Change
              OnEnter = seDay_B1Enter
              OnExit = seDay_B1Exit
            end
            object cboDay_B1: TComboBox
              Left = 228
              Top = 2
              Width = 48
              Height = 21
              Style = csDropDownList
              TabOrder = 2
              Enabled = False
              OnChange = seDay_B1Change
              OnEnter = seDay_B1Enter
              Items.Strings = (
                '周'
                '月')
            end
            object cboDay_B2: TComboBox
              Left = 280
              Top = 2
              Width = 76
              Height = 21
              Style = csDropDownList
              TabOrder = 3
              Enabled = False
              OnChange = cboDay_B2Change
              OnEnter = seDay_B1Enter
              Items.Strings = (
                '加/减'
                '第一天'
                '最后一天')
            end
            object seDay_B2: TSpinEdit
              Left = 360
              Top = 2
              Width = 52
              Height = 22
              Enabled = False
              MaxLength = 4
              MaxValue = 999
              MinValue = -999
              TabOrder = 4
              Text = '0'
              OnChange = seDay_B1Change
              OnEnter = seDay_B1Enter
              OnExit = seDay_B1Exit
            end
            object lblspChangeDate_BDay: TLabel
              Left = 416
              Top = 6
              Width = 12
              Height = 13
              Caption = '天'
            end
            object spChangeDate_E: TBitCheckBox
              Left = 4
              Top = 28
              Width = 96
              Height = 17
              Caption = '变动截止日期'
              TabOrder = 5
              OnClick = spChangeDate_EClick
            end
            object lblspChangeDate_E: TLabel
              Left = 104
              Top = 30
              Width = 72
              Height = 13
              Caption = '=预定运行日'
            end
            object seDay_E1: TSpinEdit
              Left = 180
              Top = 26
              Width = 44
              Height = 22
              Enabled = False
              MaxLength = 3
              MaxValue = 99
              MinValue = -99
              TabOrder = 6
              Text = '0'
              OnChange = seDay_B1Change
              OnEnter = seDay_B1Enter
              OnExit = seDay_B1Exit
            end
            object cboDay_E1: TComboBox
              Left = 228
              Top = 26
              Width = 48
              Height = 21
              Style = csDropDownList
              TabOrder = 7
              Enabled = False
              OnChange = seDay_B1Change
              OnEnter = seDay_B1Enter
              Items.Strings = (
                '周'
                '月')
            end
            object cboDay_E2: TComboBox
              Left = 280
              Top = 26
              Width = 76
              Height = 21
              Style = csDropDownList
              TabOrder = 8
              Enabled = False
              OnChange = cboDay_E2Change
              OnEnter = seDay_B1Enter
              Items.Strings = (
                '加/减'
                '第一天'
                '最后一天')
            end
            object seDay_E2: TSpinEdit
              Left = 360
              Top = 26
              Width = 52
              Height = 22
              Enabled = False
              MaxLength = 4
              MaxValue = 999
              MinValue = -999
              TabOrder = 9
              Text = '0'
              OnChange = seDay_B1Change
              OnEnter = seDay_B1Enter
              OnExit = seDay_B1Exit
            end
            object lblspChangeDate_EDay: TLabel
              Left = 416
              Top = 30
              Width = 12
              Height = 13
              Caption = '天'
            end
          end
          object pnEdit: TPanel
            Left = 4
            Top = 40
            Width = 500
            Height = 50
            BevelOuter = bvNone
            TabOrder = 2
            Visible = False
            object edChangeDate: TBitCheckBox
              Left = 4
              Top = 4
              Width = 96
              Height = 17
              Caption = '变动日期'
              TabOrder = 0
              OnClick = edChangeDateClick
            end
            object lbledChangeDate: TLabel
              Left = 104
              Top = 6
              Width = 72
              Height = 13
              Caption = '=预定运行日'
            end
            object seDay1: TSpinEdit
              Left = 180
              Top = 2
              Width = 44
              Height = 22
              Enabled = False
              MaxLength = 3
              MaxValue = 99
              MinValue = -99
              TabOrder = 1
              Text = '0'
              OnChange = seDay1Change
              OnEnter = seDay1Enter
              OnExit = seDay_B1Exit
            end
            object cboDay1: TComboBox
              Left = 228
              Top = 2
              Width = 48
              Height = 21
              Style = csDropDownList
              TabOrder = 2
              Enabled = False
              OnChange = seDay1Change
              OnEnter = seDay1Enter
              Items.Strings = (
                '周'
                '月')
            end
            object cboDay2: TComboBox
              Left = 280
              Top = 2
              Width = 76
              Height = 21
              Style = csDropDownList
              TabOrder = 3
              Enabled = False
              OnChange = cboDay2Change
              OnEnter = seDay1Enter
              Items.Strings = (
                '加/减'
                '第一天'
                '最后一天')
            end
            object seDay2: TSpinEdit
              Left = 360
              Top = 2
              Width = 52
              Height = 22
              Enabled = False
              MaxLength = 4
              MaxValue = 999
              MinValue = -999
              TabOrder = 4
              Text = '0'
              OnChange = seDay1Change
              OnEnter = seDay1Enter
              OnExit = seDay_B1Exit
            end
            object lbledChangeDateDay: TLabel
              Left = 416
              Top = 6
              Width = 12
              Height = 13
              Caption = '天'
            end
          end
        end
    end
  end
  inherited Panel1: TPanel
    object btnPeriod: TSpeedButton
      Left = 8
      Top = 4
      Width = 75
      Height = 25
      AllowAllUp = True
      Caption = '周期性'
      GroupIndex = 1
      Hint = '周期性工作设置'
      OnClick = btnPeriodClick
    end
    object btnSpd: TSpeedButton
      Left = 455
      Top = 4
      Width = 13
      Height = 25
      OnClick = btnSpdClick
    end
    object btnOK01: TBitBtn
      Left = 300
      Top = 4
      Width = 75
      Height = 25
      Caption = '确定'
      TabOrder = 2
      Visible = False
    end
    object btnOK02: TBitBtn
      Left = 300
      Top = 4
      Width = 75
      Height = 25
      Caption = '确定'
      TabOrder = 3
      Visible = False
      OnClick = btnOkClick
    end
    inherited btnCancel: TButton
      Left = 472
    end
  end
end
