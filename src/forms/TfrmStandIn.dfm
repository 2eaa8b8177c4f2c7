inherited frmStandIn: TfrmStandIn
  Caption = 'HEMR07'
  OnClose = FormClose
end
