#include "model/DataSet.h"

std::vector<CDataObj*> CDataSet::GetContainedDataObjects() const {
    std::vector<CDataObj*> objects;
    for (CDataField* field : fields_) {
        objects.push_back(field);
        for (CDataEqClass* eqClass : field->GetEqClasses()) objects.push_back(eqClass);
    }
    for (CDataRecord* record : records_) objects.push_back(record);
    for (CDataEffect* effect : effects_) objects.push_back(effect);
    return objects;
}
