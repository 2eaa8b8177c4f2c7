inherited frmRunningWinC: TfrmRunningWinC
  Width = 260
  Height = 72
  BorderIcons = []
  BorderStyle = bsNone
  Caption = '报表开启中，请稍候...'
  Position = poOwnerFormCenter
  object aniRunning: TAnimate
    Left = 8
    Top = 8
    Width = 48
    Height = 50
    CommonAVI = aviFindFile
  end
  object lblRunning: TLabel
    Left = 64
    Top = 28
    Width = 180
    Height = 13
    Caption = '报表开启中，请稍候...'
    Font.Color = clRed
  end
end
