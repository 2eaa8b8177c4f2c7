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
