#include "upgradelib/UfwImageStore.h"

#include "upgradelib/JlUpgradeApi.h"

#include <new>

int UfwImageStore::load(const unsigned char *data, int size)
{
    UfwHeader header;
    const UfwHeader::Check check =
        (data && size > 0) ? UfwHeader::parse(data, static_cast<size_t>(size), &header) : UfwHeader::Check::BadLength;
    int result = JL_OK;
    switch (check) {
    case UfwHeader::Check::Ok: break;
    case UfwHeader::Check::BadLength: result = JL_ERR_LENGTH; break;
    case UfwHeader::Check::BadMagic: result = JL_ERR_MAGIC; break;
    case UfwHeader::Check::HeaderCrc: result = JL_ERR_HEADER_CRC; break;
    case UfwHeader::Check::PayloadCrc: result = JL_ERR_PAYLOAD_CRC; break;
    }
    std::shared_ptr<Image> image;
    if (result == JL_OK) {
        try {
            image = std::make_shared<Image>();
            image->header = header;
            image->bytes.assign(data, data + size); // the caller frees its buffer right after
        } catch (const std::bad_alloc &) {
            result = JL_ERR_MEMORY;
            image.reset();
        }
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_image = std::move(image);
    return result;
}

std::shared_ptr<const UfwImageStore::Image> UfwImageStore::current() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_image;
}

UfwImageStore &UfwImageStore::instance()
{
    static UfwImageStore store;
    return store;
}
