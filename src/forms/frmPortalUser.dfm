inherited frmPortalUser: TfrmPortalUser
  Width = 359
  Height = 426
  BorderStyle = bsDialog
  Caption = 'Portal 用户信息查询'
  Position = poOwnerFormCenter
  object grUser: TStringAlignGrid
    Left = 4
    Top = 4
    Width = 351
    Height = 380
    ColCount = 2
    DefaultRowHeight = 18
    FixedCols = 0
    RowCount = 2
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect]
    TabOrder = 0
  end
  object BitBtn1: TBitBtn
    Left = 188
    Top = 394
    Width = 75
    Height = 25
    Caption = '确定'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object BitBtn2: TBitBtn
    Left = 276
    Top = 394
    Width = 75
    Height = 25
    Cancel = True
    Caption = '取消'
    ModalResult = 2
    TabOrder = 2
  end
end
