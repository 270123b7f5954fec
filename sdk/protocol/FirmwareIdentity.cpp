#include "sdk/protocol/FirmwareIdentity.h"

#include <algorithm>

namespace {

const char *const kFieldNames[FirmwareIdentity::FieldCount] = {"chip",  "numberField", "deviceClass", "vendorCode",
                                                               "model", "version",     "extraText"};

} // namespace

FirmwareIdentity FirmwareIdentity::fromModel(const ModelInfo &model)
{
    FirmwareIdentity identity;
    identity.texts = {model.chip, model.numberField,     model.deviceClass, model.vendorCode,
                      model.name, model.firmwareVersion, model.extraText};
    return identity;
}

const char *FirmwareIdentity::fieldName(int field)
{
    return field >= 0 && field < FieldCount ? kFieldNames[field] : "";
}

int FirmwareIdentity::fieldByName(const std::string &name)
{
    for (int field = 0; field < FieldCount; ++field) {
        if (name == kFieldNames[field])
            return field;
    }
    return -1;
}

namespace FirmwareIdentityFeature {

Report request(int field, size_t offset)
{
    Report report{};
    report[0] = reportId;
    report[1] = static_cast<uint8_t>(field);
    report[2] = static_cast<uint8_t>(offset);
    return report;
}

bool isRequest(const Report &report)
{
    return report[0] == reportId && report[1] < FirmwareIdentity::FieldCount
           && report[2] <= FirmwareIdentity::maxTextLength;
}

Report answer(const Report &request, const FirmwareIdentity &identity)
{
    Report report{};
    report[0] = reportId;
    report[1] = request[1];
    report[2] = request[2];
    const std::string &text = identity.texts.at(request[1]);
    const size_t length = std::min(text.size(), FirmwareIdentity::maxTextLength);
    const size_t offset = std::min<size_t>(request[2], length);
    const size_t part = std::min(length - offset, maxPartLength);
    report[3] = static_cast<uint8_t>(length);
    report[4] = static_cast<uint8_t>(part);
    std::copy_n(text.begin() + static_cast<std::ptrdiff_t>(offset), part, report.begin() + partOffset);
    return report;
}

bool takeAnswer(const Report &request, const Report &answer, std::string *text, bool *complete)
{
    const size_t length = answer[3];
    const size_t offset = answer[2];
    const size_t part = answer[4];
    if (answer[0] != reportId || answer[1] != request[1] || answer[2] != request[2]
        || length > FirmwareIdentity::maxTextLength || part > maxPartLength || offset + part > length
        || offset != text->size())
        return false;
    text->append(reinterpret_cast<const char *>(answer.data() + partOffset), part);
    *complete = text->size() == length;
    // A part that adds nothing to an unfinished text would be asked for again and again.
    return *complete || part > 0;
}

} // namespace FirmwareIdentityFeature
