#include "model/DataRecord.h"

#include "model/DataSet.h"
#include "resources/MessageCatalogue.h"

namespace {

// String table ids of the origin texts, by origin code.
constexpr int kOriginTextIds[] = {49706, 49707, 49708, 49709};

}  // namespace

std::string CDataRecord::GetOriginText() const {
    if (origin_ < kOriginManual || origin_ > kOriginDeltra) return {};
    return LoadMessage(kOriginTextIds[origin_ - kOriginManual]);
}

std::string CDataRecord::GetEffectValue(const std::string& variableName, const CDataSet* dataSet) const {
    if (!dataSet) return {};
    for (const std::string& effectId : effectIds_) {
        const CDataEffect* effect = dataSet->FindEffect(effectId, true);
        if (effect && effect->GetAttribute() && effect->GetAttribute()->GetName() == variableName)
            return effect->GetAttribute()->GetValue();
    }
    return {};
}

CDataRecord* CDataRecord::Clone(int flags) const {
    auto* copy = new CDataRecord(GetName(), valid_, origin_);
    copy->TakeIdentityFromClone(*this, flags);
    copy->values_ = values_;
    copy->effectIds_ = effectIds_;
    return copy;
}
