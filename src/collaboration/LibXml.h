#pragma once
// The XML helpers of the notification form and the portal user directory:
// documents loaded from text, children found by name or path, attributes
// read and written, and answers of outside services made loadable.

#include <pugixml.hpp>

#include <memory>
#include <string>

namespace hemr {

using TXmlDocument = std::unique_ptr<pugi::xml_document>;

// A document loaded from `Text`; nullptr when the text is not XML.
TXmlDocument LoadXmlText(const std::string& Text);
// The first node matching `Name` (an element name or an XPath expression)
// below `Node`; when none matches and `Create` is true, a new element of that
// name appended to `Node`. An empty node otherwise, also for a bad path.
pugi::xml_node FindOrAddChild(pugi::xml_node Node, const std::string& Name, bool Create);
// The attribute's value, "" when absent.
std::string GetAttr(pugi::xml_node Element, const std::string& Name);
void SetAttr(pugi::xml_node Element, const std::string& Name, const std::string& Value);
// The first node matching the XPath `Path` below `Node`, empty when none
// matches or the path is not valid.
pugi::xml_node SelectSingleNode(pugi::xml_node Node, const std::string& Path);

// Gives an answer of an outside service a declaration with an encoding and
// the document type the original services relied on, so that it loads.
std::string NormaliseXmlText(const std::string& Text);
TXmlDocument LoadXmlResponse(const std::string& Text);

}  // namespace hemr
