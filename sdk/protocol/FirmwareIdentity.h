#pragma once

#include "sdk/protocol/ModelCatalog.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The seven firmware texts a keyboard carries, in the order of the firmware record's fields.
struct FirmwareIdentity
{
    enum Field { Chip, NumberField, DeviceClass, VendorCode, Model, Version, ExtraText, FieldCount };
    // Each text fills a 64-byte record field with its NUL.
    static constexpr size_t maxTextLength = 63;

    std::array<std::string, FieldCount> texts;

    // The identity a keyboard of this model leaves the factory with.
    static FirmwareIdentity fromModel(const ModelInfo &model);
    // "chip", "numberField", "deviceClass", "vendorCode", "model", "version", "extraText".
    static const char *fieldName(int field);
    // -1 for an unknown name.
    static int fieldByName(const std::string &name);
};

// The identity is read as a feature report, so the stream of input reports of an open link is not
// disturbed. Request: byte 0 the report id, byte 1 the field, byte 2 the offset into its text.
// Answer: the same three bytes, byte 3 the text's whole length, byte 4 the length of this part,
// the part from byte 5. A text longer than one part is read in two requests.
namespace FirmwareIdentityFeature {

constexpr size_t reportSize = 64;
constexpr uint8_t reportId = 0x46;
constexpr size_t partOffset = 5;
constexpr size_t maxPartLength = reportSize - partOffset;

using Report = std::array<uint8_t, reportSize>;

Report request(int field, size_t offset);
bool isRequest(const Report &report);
// The answer to a request for one field of the identity; the request must be valid.
Report answer(const Report &request, const FirmwareIdentity &identity);

// Appends the answer's part to the text read so far; false when the answer does not belong to
// the request or is malformed. *complete tells whether the whole text has arrived.
bool takeAnswer(const Report &request, const Report &answer, std::string *text, bool *complete);

} // namespace FirmwareIdentityFeature
