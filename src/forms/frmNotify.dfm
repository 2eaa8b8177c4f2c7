inherited frmNotify: TfrmNotify
  Width = 530
  Height = 234
  BorderStyle = bsDialog
  Caption = '被通知人'
  Position = poOwnerFormCenter
  object grReceive: TStringAlignGrid
    Left = 4
    Top = 4
    Width = 514
    Height = 160
    ColCount = 8
    DefaultRowHeight = 18
    FixedCols = 0
    RowCount = 2
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goColSizing, goEditing, goAlwaysShowEditor]
    TabOrder = 0
    OnEditButtonClick = grReceiveEditButtonClick
    OnShowHintCell = grReceiveShowHintCell
  end
  object BitBtn1: TBitBtn
    Left = 348
    Top = 172
    Width = 75
    Height = 25
    Caption = '确定'
    Default = True
    TabOrder = 1
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 436
    Top = 172
    Width = 75
    Height = 25
    Cancel = True
    Caption = '取消'
    ModalResult = 2
    TabOrder = 2
  end
  object me04: TMemo
    Left = 8
    Top = 172
    Width = 60
    Height = 21
    Lines.Strings = (
      '[F2]系统用户开窗')
    TabOrder = 3
    Visible = False
  end
  object me01: TMemo
    Left = 76
    Top = 172
    Width = 60
    Height = 21
    Lines.Strings = (
      '1.系统用户'
      '5.Portal用户')
    TabOrder = 4
    Visible = False
  end
end
