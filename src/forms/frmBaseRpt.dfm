inherited frmBaseRpt: TfrmBaseRpt
  Width = 585
  Height = 460
  inherited pgOption: TExtPageControl
    inherited tsOption2: TTabSheet
      object lblDateType: TLabel
        Left = 300
        Top = 12
        Width = 48
        Height = 13
        Caption = '日期类型'
        FocusControl = cboDateType
      end
      object cboDateType: TComboBox
        Left = 360
        Top = 8
        Width = 160
        Height = 21
        Style = csDropDownList
        TabOrder = 1
        Items.Strings = (
          '公历 YYYYMMDD'
          '公历 MMDDYYYY'
          '公历 DDMMYYYY'
          '民国年 YYMMDD'
          '民国年 YYYMMDD')
      end
      object grpGenType: TGroupBox
        Left = 236
        Top = 41
        Width = 284
        Height = 115
        Caption = '报表生成选项'
        Hint = '信息生成的类型'
        TabOrder = 3
        object chkView: TCheckBox
          Left = 8
          Top = 20
          Width = 200
          Height = 17
          Caption = '生成报表'
          Checked = True
          Hint = '生成报表档'
          TabOrder = 0
          OnClick = chkViewClick
        end
        object chkHTML: TCheckBox
          Left = 8
          Top = 44
          Width = 200
          Height = 17
          Caption = '可供网页浏览'
          Hint = '直接生成HTML'
          TabOrder = 1
          OnClick = chkViewClick
        end
        object chkDirectPrint: TCheckBox
          Left = 8
          Top = 68
          Width = 200
          Height = 17
          Caption = '直接打印'
          Enabled = False
          TabOrder = 2
          OnClick = chkViewClick
        end
      end
      object grpNote: TGroupBox
        Left = 8
        Top = 188
        Width = 512
        Height = 112
        Caption = '页脚'
        TabOrder = 5
        object lblNoteID: TLabel
          Left = 8
          Top = 20
          Width = 24
          Height = 13
          Caption = '编号'
          FocusControl = edNoteID
        end
        object edNoteID: TEdit
          Left = 60
          Top = 16
          Width = 70
          Height = 21
          Hint = '[F2]页脚信息查询'
          MaxLength = 6
          TabOrder = 0
          OnEnter = edNoteIDEnter
          OnExit = edNoteIDExit
        end
        object btnNote: TF2Button
          Left = 132
          Top = 16
          Width = 21
          Height = 21
          Hint = '页脚信息查询'
        end
        object chkNoteEPPrint: TCheckBox
          Left = 180
          Top = 18
          Width = 120
          Height = 17
          Caption = '每页打印页脚'
          TabOrder = 1
        end
        object lblNote1: TLabel
          Left = 8
          Top = 46
          Width = 36
          Height = 13
          Caption = '页脚一'
          FocusControl = edNote1
        end
        object edNote1: TEdit
          Left = 60
          Top = 42
          Width = 440
          Height = 21
          MaxLength = 255
          TabOrder = 2
        end
        object lblNote2: TLabel
          Left = 8
          Top = 68
          Width = 36
          Height = 13
          Caption = '页脚二'
          FocusControl = edNote2
        end
        object edNote2: TEdit
          Left = 60
          Top = 64
          Width = 440
          Height = 21
          MaxLength = 255
          TabOrder = 3
        end
        object lblNote3: TLabel
          Left = 8
          Top = 90
          Width = 36
          Height = 13
          Caption = '页脚三'
          FocusControl = edNote3
        end
        object edNote3: TEdit
          Left = 60
          Top = 86
          Width = 440
          Height = 21
          MaxLength = 255
          TabOrder = 4
        end
      end
      object grpSignIn: TGroupBox
        Left = 8
        Top = 304
        Width = 512
        Height = 112
        Caption = '签核'
        TabOrder = 6
        object lblSignInID: TLabel
          Left = 8
          Top = 20
          Width = 24
          Height = 13
          Caption = '编号'
          FocusControl = edSignInID
        end
        object edSignInID: TEdit
          Left = 60
          Top = 16
          Width = 70
          Height = 21
          Hint = '[F2]签核信息查询'
          MaxLength = 6
          TabOrder = 0
          OnEnter = edNoteIDEnter
          OnExit = edSignInIDExit
        end
        object btnSignIn: TF2Button
          Left = 132
          Top = 16
          Width = 21
          Height = 21
          Hint = '签核信息查询'
        end
        object chkSignInEPPrint: TCheckBox
          Left = 180
          Top = 18
          Width = 120
          Height = 17
          Caption = '每页打印签核'
          TabOrder = 1
        end
        object lblSignIn1: TLabel
          Left = 8
          Top = 46
          Width = 36
          Height = 13
          Caption = '签核一'
          FocusControl = edSignIn1
        end
        object edSignIn1: TEdit
          Left = 60
          Top = 42
          Width = 440
          Height = 21
          MaxLength = 255
          TabOrder = 2
        end
        object lblSignIn2: TLabel
          Left = 8
          Top = 68
          Width = 36
          Height = 13
          Caption = '签核二'
          FocusControl = edSignIn2
        end
        object edSignIn2: TEdit
          Left = 60
          Top = 64
          Width = 440
          Height = 21
          MaxLength = 255
          TabOrder = 3
        end
        object lblSignIn3: TLabel
          Left = 8
          Top = 90
          Width = 36
          Height = 13
          Caption = '签核三'
          FocusControl = edSignIn3
        end
        object edSignIn3: TEdit
          Left = 60
          Top = 86
          Width = 440
          Height = 21
          MaxLength = 255
          TabOrder = 4
        end
      end
    end
  end
  inherited Panel1: TPanel
    object btnQuery: TButton
      Left = 180
      Top = 4
      Width = 75
      Height = 25
      Caption = '直接查询'
      Hint = '直接查询'
      TabOrder = 2
      OnClick = btnQueryClick
    end
    object btnDesign: TButton
      Left = 262
      Top = 4
      Width = 75
      Height = 25
      Caption = '设计报表'
      TabOrder = 3
      OnClick = btnDesignClick
    end
    object btnWebDesign: TButton
      Left = 98
      Top = 4
      Width = 75
      Height = 25
      Caption = 'web报表'
      TabOrder = 4
      OnClick = btnWebDesignClick
    end
    inherited btnOk: TButton
      Caption = '后台处理'
      Hint = '后台处理'
    end
  end
end
