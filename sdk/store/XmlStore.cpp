#include "sdk/store/XmlStore.h"

#include "sdk/store/XmlAtomicFile.h"
#include "sdk/store/XmlFields.h"

#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace xmlstore {

const char *const kStoreRoot = "vorlanStore";

namespace {

// More files than the program ever keeps open at once; beyond it the cache starts afresh.
constexpr std::size_t kMaxCachedFiles = 32;
constexpr std::size_t kMaxKeptBuffer = 4 * 1024 * 1024;

struct StringWriter : pugi::xml_writer
{
    explicit StringWriter(std::string &target)
        : text(target)
    {
    }
    void write(const void *data, size_t size) override { text.append(static_cast<const char *>(data), size); }
    std::string &text;
};

} // namespace

void logError(const char *call, const char *path, const std::string &what)
{
    std::fprintf(stderr, "vorlanSdk %s [%s]: %s\n", call, path ? path : "(null)", what.c_str());
}

bool XmlStore::FileIdentity::operator==(const FileIdentity &other) const
{
    return device == other.device && inode == other.inode && size == other.size && modifiedNs == other.modifiedNs
           && changedNs == other.changedNs;
}

XmlStore &XmlStore::instance()
{
    static XmlStore store;
    return store;
}

bool XmlStore::identityOf(const std::string &path, FileIdentity *identity)
{
    struct stat info
    {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    identity->device = info.st_dev;
    identity->inode = info.st_ino;
    identity->size = info.st_size;
    identity->modifiedNs = int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    identity->changedNs = int64_t(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    return true;
}

pugi::xml_document *XmlStore::document(const char *call, const std::string &path, const char *root)
{
    FileIdentity identity;
    if (!identityOf(path, &identity)) {
        m_cache.erase(path);
        logError(call, path.c_str(), "no such regular file");
        return nullptr;
    }
    auto found = m_cache.find(path);
    if (found == m_cache.end() || !(found->second.identity == identity)) {
        if (found != m_cache.end())
            m_cache.erase(found);
        auto parsed = std::make_unique<pugi::xml_document>();
        const pugi::xml_parse_result result = parsed->load_file(path.c_str(), pugi::parse_default, pugi::encoding_utf8);
        if (!result) {
            logError(call, path.c_str(),
                     std::string("not a readable XML file: ") + result.description() + " at offset "
                         + std::to_string(result.offset));
            return nullptr;
        }
        // Kept under the identity seen before parsing: a file replaced meanwhile no longer matches
        // it, so the next call parses again.
        if (m_cache.size() >= kMaxCachedFiles)
            m_cache.clear();
        found = m_cache.emplace(path, Entry{identity, std::move(parsed)}).first;
    }
    pugi::xml_document *parsed = found->second.document.get();
    if (std::strcmp(parsed->document_element().name(), root) != 0) {
        logError(call, path.c_str(), std::string("the root element is not ") + root);
        return nullptr;
    }
    return parsed;
}

bool XmlStore::write(const char *call, const std::string &path, const pugi::xml_document &document)
{
    // One buffer for every write: a file of ten full profiles is some 100 KB, and allocating that
    // afresh per call costs page faults on every write.
    m_buffer.clear();
    StringWriter writer(m_buffer);
    // One element a line, no indentation: readable, and no larger than it needs to be.
    document.save(writer, "", pugi::format_indent, pugi::encoding_utf8);
    std::string error;
    const bool written = atomicWrite(path, m_buffer, &error);
    if (m_buffer.capacity() > kMaxKeptBuffer)
        std::string().swap(m_buffer);
    if (!written)
        logError(call, path.c_str(), error);
    return written;
}

bool XmlStore::read(const char *call, const char *path, const char *root, const Reader &reader)
{
    if (!isValidPath(path)) {
        logError(call, path, "invalid path");
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    const pugi::xml_document *parsed = document(call, path, root);
    return parsed != nullptr && reader(*parsed);
}

bool XmlStore::change(const char *call, const char *path, const Changer &changer)
{
    if (!isValidPath(path)) {
        logError(call, path, "invalid path");
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::string key(path);
    pugi::xml_document *parsed = document(call, key, kStoreRoot);
    if (parsed == nullptr)
        return false;
    bool changed = false;
    try {
        changed = changer(*parsed);
    } catch (...) {
        m_cache.erase(key);
        throw;
    }
    // Changers refuse before they touch the document, so a refusal leaves the cached one valid
    // (a delete of an absent entry before each add must not cost a parse).
    if (!changed)
        return false;
    FileIdentity identity;
    if (!write(call, key, *parsed) || !identityOf(key, &identity)) {
        m_cache.erase(key);
        return false;
    }
    m_cache[key].identity = identity;
    return true;
}

bool XmlStore::create(const char *call, const char *path)
{
    if (!isValidPath(path)) {
        logError(call, path, "invalid path");
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::string key(path);
    struct stat info
    {};
    if (::lstat(path, &info) == 0)
        return document(call, key, kStoreRoot) != nullptr;

    pugi::xml_document fresh;
    pugi::xml_node declaration = fresh.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    fresh.append_child(kStoreRoot).append_attribute("version") = 1;
    return write(call, key, fresh);
}

void XmlStore::clearCache()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cache.clear();
}

} // namespace xmlstore
