#include <gtest/gtest.h>

#include "ElementTest.h"

// Every element that names an object needs its identifier; without one the reader reports the
// element and the parse stops with that message.
TEST_F(ElementTest, AnElementWithoutIdentifierStopsTheParseWithItsMessage) {
    struct Case {
        const char* document;
        const char* message;
    } cases[] = {
        {"<DATASET/>", "Missing or invalid ID for tag 'DATASET'! [W0835]"},
        {"<DATASET ID=\"d\"><DATAFIELD ID=\"\"/></DATASET>", "Missing or invalid ID for tag 'DATAFIELD'! [W0858]"},
        {"<DATASET ID=\"d\"><DATAFIELD ID=\"f\"><EQCLASS Name=\"x\"/></DATAFIELD></DATASET>",
         "Missing or invalid ID for tag 'EQCLASS'! [W0830]"},
        {"<DATASET ID=\"d\"><DATARECORD/></DATASET>", "Missing or invalid ID for tag 'DATARECORD'! [W0871]"},
        {"<DATASET ID=\"d\"><DATAEFFECT/></DATASET>", "Missing or invalid ID for tag 'DATAEFFECT'! [W0977]"},
        {"<TC TaskID=\"t\"/>", "Missing or invalid ID for tag 'TC'! [W0844]"},
        {"<TC ID=\"c\"><TESTSTEP/></TC>", "Missing or invalid ID for tag 'TESTSTEP'! [W0847]"},
        {"<TC ID=\"c\"><TESTSTEP ID=\"s\"><BB_INFO/></TESTSTEP></TC>",
         "Missing or invalid ID for tag 'BB_INFO'! [W0757]"},
        {"<TS Name=\"x\"/>", "Missing or invalid ID for tag 'TS'! [W0846]"},
        {"<GUIBUILDER GuiID=\"5\"/>", "Missing or invalid ID for tag 'GUIBUILDER'! [W0834]"},
        {"<GUIBUILDER ID=\"5\"><WNDCLASS/></GUIBUILDER>", "Missing or invalid ID for tag 'WNDCLASS'! [W0855]"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Read(c.document)) << c.document;
        EXPECT_EQ(Message(), c.message);
    }
}
