// The pages that list global attributes, requirements, test data and meta-conditions in a table.
#include "conditions/ValueTypes.h"
#include "docs/HTMLDlg.h"
#include "docs/HtmlText.h"
#include "docs/SortedLists.h"
#include "model/ApplicationKav.h"

bool CHTMLDlg::WriteGlobalAttributesPage() {
    return WriteListPage("KAVRO_GlobalAtt.htm", "Global Attributes", {{25, "Name"}, {25, "Type"}, {50, "Initial Value"}}, [this] {
        for (const CAttributeKav* attribute : SortGlobalAttributes(project_)) {
            WritePlainCell(25, true, HtmlText(attribute->GetName()));
            WritePlainCell(25, false, GetValueTypeName(attribute->GetType()));
            WritePlainCell(50, false, HtmlText(attribute->GetValue()));
            Write("</TR>\n");
        }
    });
}

bool CHTMLDlg::WriteRequirementsPage() {
    return WriteListPage("KAVRO_Req.htm", "Requirements", {{15, "ID"}, {30, "Title"}, {55, "Description / Path"}}, [this] {
        for (const CRequirement* requirement : SortRequirements(project_)) {
            WritePlainCell(15, true, HtmlText(requirement->GetID()));
            WritePlainCell(30, false, HtmlText(requirement->GetTitle()));
            WriteCellOpening(55, false);
            if (const std::string description = requirement->GetDescription(); !description.empty())
                Write("<FONT SIZE=2><B>D: </B>" + HtmlLines(description, "<BR>") + "</FONT><BR>\n");
            if (const std::string path = requirement->GetDocPath(); !path.empty())
                Write("<FONT SIZE=2><B>P: </B>" + HtmlText(path) + "</FONT><BR>\n");
            Write("</TD>\n"
                  "</TR>\n");
        }
    });
}

bool CHTMLDlg::WriteDataPage() {
    return WriteListPage("KAVRO_Data.htm", "Test Data", {{20, "Data Set"}, {80, "Field (Type) = Default Value"}}, [this] {
        for (const CDataSet* dataSet : SortDataSets(project_)) {
            WritePlainCell(20, true, HtmlText(dataSet->GetName()));
            WriteCellOpening(80, false);
            for (const CDataField* field : dataSet->GetFields())
                Write("<FONT SIZE=2>" + HtmlText(field->GetName()) + " (" + GetValueTypeName(field->GetType()) +
                      ") = " + HtmlText(field->GetDefaultValue()) + "</FONT><BR>\n");
            Write("</TD></TR>\n");
        }
    });
}

bool CHTMLDlg::WriteMetaConditionsPage() {
    return WriteListPage("KAVRO_Metacond.htm", "Meta-Conditions", {{25, "Condition ID"}, {75, "Condition"}}, [this] {
        for (const CConditionKav* condition : SortMetaConditions(project_)) {
            WritePlainCell(25, true, HtmlText(condition->GetId()));
            WritePlainCell(75, false, HtmlText(condition->GetText()));
            Write("</TR>\n");
        }
    });
}

// The page heading is also its title and the table's caption. The header row stays open; each
// row ends as the page's own rows say.
bool CHTMLDlg::WriteListPage(const std::string& fileName, const std::string& heading,
                             std::initializer_list<TableColumn> columns, const std::function<void()>& writeRows) {
    WritePageHeader(fileName, heading);
    Write("<H1>" + heading + "</H1>\n");
    Write("<BR><BR>\n");
    WriteTableHead(620, heading, columns);
    writeRows();
    Write("</TABLE><BR>\n");
    return WritePageEnd();
}

void CHTMLDlg::WriteTableHead(int tableWidth, const std::string& caption, std::initializer_list<TableColumn> columns) {
    Write("<TABLE BORDER CELLSPACING=1 CELLPADDING=4 WIDTH=" + std::to_string(tableWidth) + ">\n");
    Write("<CAPTION ALIGN=\"LEFT\"><B>" + caption + ":</B></CAPTION>\n");
    bool first = true;
    for (const TableColumn& column : columns) {
        Write(std::string(first ? "<TR><TH" : "<TH") + " WIDTH=\"" + std::to_string(column.width) + "%\" VALIGN=\"TOP\">\n");
        Write(std::string("<FONT SIZE=2><P>") + column.title + "</FONT></TH>\n");
        first = false;
    }
}

void CHTMLDlg::WriteCellOpening(int width, bool firstOfRow) {
    Write(std::string(firstOfRow ? "<TR><TD" : "<TD") + " WIDTH=\"" + std::to_string(width) + "%\" VALIGN=\"TOP\">\n");
}

void CHTMLDlg::WritePlainCell(int width, bool firstOfRow, const std::string& text) {
    WriteCellOpening(width, firstOfRow);
    Write("<FONT SIZE=2><P>" + text + "</FONT></TD>\n");
}
