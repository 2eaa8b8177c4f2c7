object F: TForm
  Items.Strings = (
    #26085#26412
    'a'#13#10)
  Set = [a, b]
  Bin = {0A0B}
  Coll = <
    item
      X = 1.5e3
    end>
end
