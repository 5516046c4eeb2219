#include "model/GUIBuilderList.h"

CGUIBuilderList& GetGuiBuilderDatabase() {
    static CGUIBuilderList database;
    return database;
}
