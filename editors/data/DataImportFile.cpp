// Reading a test data file into a data set. What the file adds waits beside the set until the
// last line was read, so a file refused halfway leaves the set as it was.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "conditions/ValueTypes.h"
#include "editors/data/DataImportDlg.h"
#include "editors/data/ImportTextDecoding.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/ShellServices.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kCannotRead = 44517;
constexpr int kNotFound = 44518;
constexpr int kAccessDenied = 44519;
constexpr int kFileEmpty = 44565;
constexpr int kMoreValuesThanNames = 44578;
constexpr int kFewerValuesThanNames = 44596;

// The truth texts that read as TRUE in a Bool field (any case); "1" too.
constexpr std::string_view kTrueTexts[] = {"TRUE", "Y", "YES", "J", "JA", "ON"};

// The file's bytes; false with the message when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        if (errno == ENOENT || errno == ENOTDIR) return Fail(kNotFound, path);
        if (errno == EACCES || errno == EPERM) return Fail(kAccessDenied, path);
        return Fail(kCannotRead, path);
    }
    // Read at once into a buffer of the file's size; a file still growing is read to its end.
    struct stat status {};
    if (::fstat(::fileno(file.get()), &status) == 0 && S_ISREG(status.st_mode))
        bytes.resize(static_cast<size_t>(status.st_size));
    size_t size = std::fread(bytes.data(), 1, bytes.size(), file.get());
    for (char chunk[1 << 16]; const size_t read = std::fread(chunk, 1, sizeof chunk, file.get());) {
        bytes.resize(size);
        bytes.append(chunk, read);
        size = bytes.size();
    }
    bytes.resize(size);
    // A folder opens but reads nothing.
    if (std::ferror(file.get())) return Fail(kCannotRead, path);
    return true;
}

std::string BoolValue(std::string_view value) {
    if (value == "1") return "TRUE";
    for (std::string_view truth : kTrueTexts)
        if (EqualsNoCase(value, truth)) return "TRUE";
    return "FALSE";
}

// The lines of the text from the front: a line ends at LF, and a CR right before the LF is no
// part of it; the last line needs no LF.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    bool Next(std::string_view& line) {
        if (done_) return false;
        const size_t lf = text_.find('\n', position_);
        if (lf == std::string_view::npos) {
            line = text_.substr(position_);
            done_ = true;
            return true;
        }
        line = text_.substr(position_, lf - position_);
        if (line.ends_with('\r')) line.remove_suffix(1);
        position_ = lf + 1;
        return true;
    }

private:
    std::string_view text_;
    size_t position_ = 0;
    bool done_ = false;
};

// The fields and records a file adds to a set, kept apart until the whole file was read.
class StagedImport {
public:
    StagedImport(CDataSet& dataSet, std::string_view separator) : dataSet_(dataSet), separator_(separator) {
        for (const CDataRecord* record : dataSet.GetRecords()) takenNames_.insert(ToLowerText(record->GetName()));
    }

    // Column k belongs to the set's field of the k-th name, made a valid name; a missing field
    // is made as a text field. Names that become the same one share their field.
    void ReadHeader(std::string_view line) {
        Split(line);
        for (std::string_view name : values_) {
            const std::string valid = CurrentApplication->MakeValidObjectName(std::string(name), kKindDataObject, 99);
            const CDataField* field = FieldNamed(valid);
            columns_.push_back({field->GetId(), field->GetType() == kTypeBool});
        }
        // The values of a record are stored in key order, each after the one before.
        for (size_t column = 0; column < columns_.size(); ++column) storeOrder_.push_back(column);
        std::stable_sort(storeOrder_.begin(), storeOrder_.end(),
                         [this](size_t a, size_t b) { return columns_[a].fieldId < columns_[b].fieldId; });
    }

    // One record from the line; false with the message when its count of values differs from
    // the header's. An empty last value (the line ends in the separator) is not stored.
    bool ReadRecord(std::string_view line, int lineNumber) {
        Split(line);
        if (values_.size() > columns_.size()) return Fail(kMoreValuesThanNames, lineNumber);
        if (values_.size() < columns_.size()) return Fail(kFewerValuesThanNames, lineNumber);
        auto* record = records_.Add(new CDataRecord(NextRecordName(), 1, kOriginImported));
        record->SetFile(dataSet_.GetFile());
        record->SetFileId(dataSet_.GetFileId());
        auto& stored = record->GetValues();
        const size_t last = values_.size() - 1;
        for (size_t column : storeOrder_) {
            const std::string_view value = values_[column];
            if (column == last && value.empty()) continue;
            stored.Set(columns_[column].fieldId, columns_[column].isBool ? BoolValue(value) : std::string(value));
        }
        return true;
    }

    // Hands the new fields and records to the set; the records it had get an empty value for
    // each new field.
    void Commit() {
        for (const CDataField* field : fields_)
            for (CDataRecord* record : dataSet_.GetRecords()) record->GetValues().Set(field->GetId(), "");
        for (CDataField* field : fields_) dataSet_.GetFields().Add(field);
        fields_.Pointers().clear();
        for (CDataRecord* record : records_) dataSet_.GetRecords().Add(record);
        records_.Pointers().clear();
    }

private:
    struct Column {
        std::string fieldId;
        bool isBool;
    };

    // At each whole occurrence of the separator, by a cursor; an empty separator splits nothing.
    void Split(std::string_view line) {
        values_.clear();
        size_t start = 0;
        for (size_t at; !separator_.empty() && (at = line.find(separator_, start)) != std::string_view::npos;
             start = at + separator_.size())
            values_.push_back(line.substr(start, at - start));
        values_.push_back(line.substr(start));
    }

    const CDataField* FieldNamed(const std::string& name) {
        if (const CDataField* field = dataSet_.FindField(name)) return field;
        if (const CDataField* field = fields_.FindIf([&](const CDataField* made) { return EqualsNoCase(made->GetName(), name); }))
            return field;
        auto* field = fields_.Add(new CDataField(name, kTypeString, 0, 999999));
        field->SetFile(dataSet_.GetFile());
        field->SetFileId(dataSet_.GetFileId());
        return field;
    }

    // "Rec_V" and the first number from 01 that no record of the set has (without case); the
    // numbers only grow, so one counter serves the whole file.
    std::string NextRecordName() {
        char name[32];
        for (;; ++nextNumber_) {
            std::snprintf(name, sizeof name, "rec_v%02d", nextNumber_);
            if (takenNames_.contains(name)) continue;
            ++nextNumber_;
            name[0] = 'R';
            name[4] = 'V';
            return name;
        }
    }

    CDataSet& dataSet_;
    std::string_view separator_;
    std::vector<std::string_view> values_;
    std::vector<Column> columns_;
    std::vector<size_t> storeOrder_;
    OwningList<CDataField> fields_;
    OwningList<CDataRecord> records_;
    std::unordered_set<std::string> takenNames_;
    int nextNumber_ = 1;
};

}  // namespace

int CDataImportDlg::ImportFile(const std::string& path, const std::string& separator, CDataSet& dataSet) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return 0;
    if (bytes.empty()) return Fail(kFileEmpty, path);
    const std::string text = DecodeImportText(std::move(bytes));
    StagedImport import(dataSet, separator);
    LineCursor lines(text);
    std::string_view line;
    lines.Next(line);
    import.ReadHeader(line);
    for (int lineNumber = 2; lines.Next(line); ++lineNumber)
        if (!line.empty() && !import.ReadRecord(line, lineNumber)) return 0;
    import.Commit();
    return 1;
}
