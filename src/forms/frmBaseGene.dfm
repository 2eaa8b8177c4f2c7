inherited frmBaseGene: TfrmBaseGene
  Left = 0
  Top = 0
  Width = 560
  Height = 360
  BorderIcons = [biMaximize]
  Caption = '条件'
  object ImageList1: TImageList
    Height = 18
    Width = 18
  end
  object ImageList2: TImageList
    Height = 24
    Width = 24
  end
  object muOperation: TPopupMenu
    Images = ImageList1
    object muOpen: TMenuItem
      Caption = '开启(&O)'
      ImageIndex = 2
      OnClick = btnOpenClick
    end
    object muDelete: TMenuItem
      Caption = '删除(&D)'
      ImageIndex = 3
      OnClick = btnDeleteClick
    end
  end
  object mnList: TPopupMenu
    object ViewIcon: TMenuItem
      Caption = '大型图标(&G)'
      Checked = True
      GroupIndex = 1
      RadioItem = True
      OnClick = ViewIconExecute
    end
    object ViewSmallIcon: TMenuItem
      Caption = '小型图标(&M)'
      GroupIndex = 1
      RadioItem = True
      OnClick = ViewSmallIconExecute
    end
    object ViewList: TMenuItem
      Caption = '清单(&L)'
      GroupIndex = 1
      RadioItem = True
      OnClick = ViewListExecute
    end
    object ViewReport: TMenuItem
      Caption = '详细信息(&D)'
      GroupIndex = 1
      RadioItem = True
      OnClick = ViewReportExecute
    end
  end
  object pnlCondition: TPanel
    Left = 0
    Top = 0
    Width = 150
    Height = 319
    Align = alLeft
    TabOrder = 1
    object lblCondition: TLabel
      Left = 1
      Top = 1
      Width = 148
      Height = 13
      Align = alTop
      Caption = ' 条件方案'
    end
    object ToolBar1: TToolBar
      Left = 1
      Top = 14
      Width = 148
      Height = 26
      ButtonHeight = 24
      ButtonWidth = 25
      Flat = True
      Images = ImageList1
      object btnInsert: TToolButton
        Caption = '保存(&S)'
        Hint = '保存'
        ImageIndex = 1
      end
      object btnOpen: TToolButton
        Caption = '开启(&O)'
        Hint = '开启'
        ImageIndex = 2
        OnClick = btnOpenClick
      end
      object btnDelete: TToolButton
        Caption = '删除(&D)'
        Hint = '删除'
        ImageIndex = 3
        OnClick = btnDeleteClick
      end
      object ToolButton1: TToolButton
        Caption = 'ViewIcon'
        DropdownMenu = mnList
        ImageIndex = 4
        Style = tbsDropDown
        OnClick = ToolButton1Click
      end
    end
    object lstCondition: TListView
      Left = 1
      Top = 40
      Width = 148
      Height = 278
      Align = alClient
      ColumnClick = False
      IconOptions.AutoArrange = True
      LargeImages = ImageList2
      PopupMenu = muOperation
      SmallImages = ImageList1
      SortType = stText
      OnDblClick = btnOpenClick
      OnEdited = lstConditionEdited
      TabOrder = 0
    end
  end
  object Splitter1: TSplitter
    Left = 150
    Top = 0
    Width = 3
    Height = 319
  end
  object pgOption: TExtPageControl
    Left = 153
    Top = 0
    Width = 399
    Height = 287
    Align = alClient
    Hint = '请输入选项条件'
    TabOrder = 0
    OnChange = pgOptionChange
    OnChanging = pgOptionChanging
    object tsOption1: TTabSheet
      Caption = '基本选项'
    end
    object tsOption2: TTabSheet
      Caption = '系统选项'
      OnShow = tsOption2Show
      object lblToday: TDBLabel
        Left = 8
        Top = 12
        Width = 48
        Height = 13
        AutoAlign = False
        AutoCaption = False
        Caption = '制表日期'
        FocusControl = edPrintDate
      end
      object edPrintDate: TMaskEdit
        Left = 60
        Top = 8
        Width = 85
        Height = 21
        Hint = '[F2]日期快手'
        TabOrder = 0
      end
      object btnPrintDate: TF2Button
        Left = 147
        Top = 8
        Width = 21
        Height = 21
        F2Control = edPrintDate
        GlyphIndex = 9
        Hint = '日期快手'
      end
    end
  end
  object Panel1: TPanel
    Left = 0
    Top = 287
    Width = 552
    Height = 32
    Align = alBottom
    TabOrder = 2
    object btnOk: TButton
      Left = 380
      Top = 4
      Width = 75
      Height = 25
      Caption = '确定'
      Hint = '确定'
      TabOrder = 0
      OnClick = btnOkClick
    end
    object btnCancel: TButton
      Left = 465
      Top = 4
      Width = 75
      Height = 25
      Cancel = True
      Caption = '取消'
      Hint = '取消'
      ModalResult = 2
      TabOrder = 1
      OnClick = btnCancelClick
    end
  end
end
