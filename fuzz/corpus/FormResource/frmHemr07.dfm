inherited frmHemr07: TfrmHemr07
  Caption = '员工年龄分布表'
  inherited pgOption: TExtPageControl
    inherited tsOption1: TTabSheet
      object sp01: TSelectPanel
        Left = 8
        Top = 4
        Width = 205
        Height = 100
        Caption = '选择公司'
        TabOrder = 0
        HintWord = '区间选择'
        Style = sp_UserChoice
        UserChoice = True
        ValueType = vt_String
        BeginWords.Strings = (
          '起'
          '起')
        FinalWords.Strings = (
          '止'
          '止')
        DateSign = '/'
        ChildHints.Strings = (
          '用户自定输入方式'
          '[F2]公司信息查询'
          '公司信息查询'
          '[F2]公司信息查询'
          '公司信息查询'
          '[F2]公司信息查询'
          '公司信息查询'
          '多选-删除一笔信息'
          '多选-删除己选信息')
      end
      object sp02: TSelectPanel
        Left = 8
        Top = 108
        Width = 205
        Height = 100
        Caption = '选择部门编号'
        TabOrder = 1
        HintWord = '区间选择'
        Style = sp_UserChoice
        UserChoice = True
        ValueType = vt_String
        BeginWords.Strings = (
          '起'
          '起')
        FinalWords.Strings = (
          '止'
          '止')
        DateSign = '/'
        ChildHints.Strings = (
          '用户自定输入方式'
          '[F2]部门编号信息查询'
          '部门编号信息查询'
          '[F2]部门编号信息查询'
          '部门编号信息查询'
          '[F2]部门编号信息查询'
          '部门编号信息查询'
          '多选-删除一笔信息'
          '多选-删除己选信息')
      end
      object lbl03: TLabel
        Left = 8
        Top = 219
        Width = 48
        Height = 13
        Caption = '统计日期'
        FocusControl = ed03
      end
      object ed03: TMaskEdit
        Left = 60
        Top = 215
        Width = 85
        Height = 21
        Hint = '[F2]日期快手'
        TabOrder = 2
      end
      object F2Button1: TF2Button
        Left = 147
        Top = 215
        Width = 21
        Height = 21
        F2Control = ed03
        GlyphIndex = 9
        Hint = '日期快手'
      end
      object lbl04: TLabel
        Left = 224
        Top = 8
        Width = 48
        Height = 13
        Caption = '年龄区间'
      end
      object ed05: TMaskEdit
        Left = 224
        Top = 26
        Width = 25
        Height = 21
        TabOrder = 3
        OnExit = ed05Exit
        OnKeyPress = ed05KeyPress
      end
      object lbl05: TLabel
        Left = 252
        Top = 30
        Width = 36
        Height = 13
        Caption = '岁以内'
      end
      object ed06A: TMaskEdit
        Left = 224
        Top = 49
        Width = 25
        Height = 21
        TabOrder = 4
      end
      object lbl06A: TLabel
        Left = 252
        Top = 53
        Width = 12
        Height = 13
        Caption = '至'
      end
      object ed06B: TMaskEdit
        Left = 267
        Top = 49
        Width = 25
        Height = 21
        TabOrder = 5
        OnExit = ed06BExit
        OnKeyPress = ed05KeyPress
      end
      object lbl06B: TLabel
        Left = 295
        Top = 53
        Width = 12
        Height = 13
        Caption = '岁'
      end
      object ed07A: TMaskEdit
        Left = 224
        Top = 72
        Width = 25
        Height = 21
        TabOrder = 6
      end
      object lbl07A: TLabel
        Left = 252
        Top = 76
        Width = 12
        Height = 13
        Caption = '至'
      end
      object ed07B: TMaskEdit
        Left = 267
        Top = 72
        Width = 25
        Height = 21
        TabOrder = 7
        OnExit = ed07BExit
        OnKeyPress = ed05KeyPress
      end
      object lbl07B: TLabel
        Left = 295
        Top = 76
        Width = 12
        Height = 13
        Caption = '岁'
      end
      object ed08A: TMaskEdit
        Left = 224
        Top = 95
        Width = 25
        Height = 21
        TabOrder = 8
      end
      object lbl08A: TLabel
        Left = 252
        Top = 99
        Width = 12
        Height = 13
        Caption = '至'
      end
      object ed08B: TMaskEdit
        Left = 267
        Top = 95
        Width = 25
        Height = 21
        TabOrder = 9
        OnExit = ed08BExit
        OnKeyPress = ed05KeyPress
      end
      object lbl08B: TLabel
        Left = 295
        Top = 99
        Width = 12
        Height = 13
        Caption = '岁'
      end
      object ed09A: TMaskEdit
        Left = 224
        Top = 118
        Width = 25
        Height = 21
        TabOrder = 10
      end
      object lbl09A: TLabel
        Left = 252
        Top = 122
        Width = 12
        Height = 13
        Caption = '至'
      end
      object ed09B: TMaskEdit
        Left = 267
        Top = 118
        Width = 25
        Height = 21
        TabOrder = 11
        OnExit = ed09BExit
        OnKeyPress = ed05KeyPress
      end
      object lbl09B: TLabel
        Left = 295
        Top = 122
        Width = 12
        Height = 13
        Caption = '岁'
      end
      object ed10A: TMaskEdit
        Left = 224
        Top = 141
        Width = 25
        Height = 21
        TabOrder = 12
      end
      object lbl10A: TLabel
        Left = 252
        Top = 145
        Width = 12
        Height = 13
        Caption = '至'
      end
      object ed10B: TMaskEdit
        Left = 267
        Top = 141
        Width = 25
        Height = 21
        TabOrder = 13
        OnExit = ed10BExit
        OnKeyPress = ed05KeyPress
      end
      object lbl10B: TLabel
        Left = 295
        Top = 145
        Width = 12
        Height = 13
        Caption = '岁'
      end
      object ed11A: TMaskEdit
        Left = 224
        Top = 164
        Width = 25
        Height = 21
        TabOrder = 14
      end
      object lbl11A: TLabel
        Left = 252
        Top = 168
        Width = 12
        Height = 13
        Caption = '至'
      end
      object ed11B: TMaskEdit
        Left = 267
        Top = 164
        Width = 25
        Height = 21
        TabOrder = 15
        OnExit = ed11BExit
        OnKeyPress = ed05KeyPress
      end
      object lbl11B: TLabel
        Left = 295
        Top = 168
        Width = 12
        Height = 13
        Caption = '岁'
      end
      object ed12A: TMaskEdit
        Left = 224
        Top = 187
        Width = 25
        Height = 21
        TabOrder = 16
      end
      object lbl12A: TLabel
        Left = 252
        Top = 191
        Width = 12
        Height = 13
        Caption = '至'
      end
      object ed12B: TMaskEdit
        Left = 267
        Top = 187
        Width = 25
        Height = 21
        TabOrder = 17
        OnExit = ed12BExit
        OnKeyPress = ed05KeyPress
      end
      object lbl12B: TLabel
        Left = 295
        Top = 191
        Width = 12
        Height = 13
        Caption = '岁'
      end
      object ed13: TMaskEdit
        Left = 224
        Top = 210
        Width = 25
        Height = 21
        TabOrder = 18
      end
      object lbl13: TLabel
        Left = 252
        Top = 214
        Width = 36
        Height = 13
        Caption = '岁以上'
      end
    end
  end
end
