#pragma once
// The entries an aligned string grid keeps in a form resource besides its
// published properties: "Cells", "HintCell", "PropCell", "PropCol",
// "PropRow", "PropFixedCol" and "PropFixedRow", each a list written only
// when it holds something, and the entries of older forms, read and never
// written. A damaged list loads up to the damage and the rest is skipped.

namespace rt {
class TFiler;
class TReader;
}  // namespace rt

namespace hemr {

class TStringAlignGrid;

class TAlignGridStreamer {
public:
    explicit TAlignGridStreamer(TStringAlignGrid& grid) : grid_(grid) {}
    void DefineProperties(rt::TFiler& filer);

private:
    void DefineCurrent(rt::TFiler& filer);
    void DefineCells(rt::TFiler& filer);
    void DefineOlder(rt::TFiler& filer);

    TStringAlignGrid& grid_;
};

}  // namespace hemr
