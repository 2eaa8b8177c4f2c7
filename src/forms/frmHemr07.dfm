inherited frmHemr07: TfrmHemr07
  Caption = '员工年龄分布表'
end
