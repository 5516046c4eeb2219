#pragma once
// The elements of a UFT description: the tool data of a window that UFT addresses, as the tag
// generation makes it, the repository import reads it and the repository XML writes it.
namespace uft {

inline constexpr const char* kObject = "qtpRep:Object";
inline constexpr const char* kChildObjects = "qtpRep:ChildObjects";
inline constexpr const char* kProperties = "qtpRep:Properties";
inline constexpr const char* kProperty = "qtpRep:Property";
inline constexpr const char* kValue = "qtpRep:Value";
inline constexpr const char* kParameter = "qtpRep:Parameter";
inline constexpr const char* kBasicIdentification = "qtpRep:BasicIdentification";
inline constexpr const char* kPropertyRef = "qtpRep:PropertyRef";
inline constexpr const char* kOrdinalIdentifier = "qtpRep:OrdinalIdentifier";

}  // namespace uft
