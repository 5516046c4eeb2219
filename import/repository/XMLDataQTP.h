#pragma once
// The reader of UFT object repositories in their XML form: a window per "qtpRep:Object", typed by
// its UFT class through the UFT class table, nested as the "qtpRep:ChildObjects" lists nest, and
// with the object's element and everything inside it except its child objects as tool data (up
// to the first child object: what follows it is not kept). The log gets the class and name of
// each object, indented by its depth.
#include <string>

#include "import/repository/XMLDataRepository.h"

class CXMLDataQTP : public CXMLDataRepository {
public:
    void OnStartElement(const std::string& name, const XmlAttributeList& attributes) override;

    // A window of the type and GUI builder of the class (letter case counts); an unknown class
    // gives a custom window [W1191].
    CWindowKav* CreateWindowForClass(const std::string& className) const;

protected:
    bool OpensToolDataScope(const std::string& name) const override;
    bool IsStructuralElement(const std::string& name) const override;
    void CloseStructuralElement(const std::string& name) override;

private:
    // The window of the object being started, from its "Name" and "Class".
    CWindowKav* CreateObjectWindow() const;
};

// The program's one UFT repository reader.
CXMLDataQTP& GetUftRepositoryReader();
