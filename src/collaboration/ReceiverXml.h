#pragma once
// The receiver text of a job's notification: "N" for nobody, or a GB2312
// declared document whose Root holds one element per receiver, named "R"
// and the grid row number, with ID, Name, Mob, Mail, Type and Msg.
// The rows here are the notification grid's data rows, eight cells each.

#include <array>
#include <string>
#include <vector>

namespace hemr {

enum TReceiverColumn { rcCode, rcName, rcMobile, rcMail, rcType, rcMessage, rcSms, rcEmail, rcColumnCount };

using TReceiverRow = std::array<std::string, rcColumnCount>;
using TReceiverRows = std::vector<TReceiverRow>;

inline constexpr const char* kReceiverDeclaration = "<?xml version=\"1.0\" encoding=\"GB2312\"?>";
inline constexpr const char* kNoReceivers = "N";
inline constexpr const char* kTicked = "Y";
inline constexpr const char* kUnticked = "N";

// The rows of `Text`, at least one: every receiver element "R<n>" in the
// order of n (a list saved with a gap in its numbering keeps all its
// receivers). Type becomes the entry of `TypeList` starting with it, or stays
// empty; Msg ticks the three channel cells. "N" or a text that is not XML
// gives one empty row.
TReceiverRows LoadReceiverXml(const std::string& Text, const std::vector<std::string>& TypeList);
// The text of the rows: one element per row with a code, named after the
// row's number (1-based); "N" when no row has a code. Values are escaped by
// the XML writer.
std::string BuildReceiverXml(const TReceiverRows& Rows);
// A channel cell as the grid reads it: "Y" when ticked, else "N".
std::string ChannelValue(const std::string& Cell);

}  // namespace hemr
