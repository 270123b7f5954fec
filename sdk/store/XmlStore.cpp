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

void XmlStore::trimCache()
{
    for (auto entry = m_cache.begin(); entry != m_cache.end();) {
        if (m_batchChanged.count(entry->first) == 0)
            entry = m_cache.erase(entry);
        else
            ++entry;
    }
}

pugi::xml_document *XmlStore::document(const char *call, const std::string &path, const char *root)
{
    auto changed = m_batchChanged.find(path);
    if (changed != m_batchChanged.end()) {
        // Changed in the open batch: the cache holds the newer document, the disk the older one.
        pugi::xml_document *pending = m_cache.at(path).document.get();
        if (std::strcmp(pending->document_element().name(), root) != 0) {
            logError(call, path.c_str(), std::string("the root element is not ") + root);
            return nullptr;
        }
        return pending;
    }
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
            trimCache();
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
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    const pugi::xml_document *parsed = document(call, path, root);
    return parsed != nullptr && reader(*parsed);
}

bool XmlStore::change(const char *call, const char *path, const Changer &changer)
{
    if (!isValidPath(path)) {
        logError(call, path, "invalid path");
        return false;
    }
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    const std::string key(path);
    pugi::xml_document *parsed = document(call, key, kStoreRoot);
    if (parsed == nullptr)
        return false;
    bool changed = false;
    try {
        changed = changer(*parsed);
    } catch (...) {
        // The document may be half changed: an open batch can no longer write it.
        m_cache.erase(key);
        if (m_batchChanged.erase(key) > 0 || m_batchDepth > 0)
            m_batchDiscarded = true;
        throw;
    }
    // Changers refuse before they touch the document, so a refusal leaves the cached one valid
    // (a delete of an absent entry before each add must not cost a parse).
    if (!changed)
        return false;
    return store(call, key);
}

bool XmlStore::store(const char *call, const std::string &path)
{
    if (m_batchDepth > 0) {
        m_batchChanged[path] = call;
        return true;
    }
    FileIdentity identity;
    if (!write(call, path, *m_cache.at(path).document) || !identityOf(path, &identity)) {
        m_cache.erase(path);
        return false;
    }
    m_cache[path].identity = identity;
    return true;
}

bool XmlStore::create(const char *call, const char *path)
{
    if (!isValidPath(path)) {
        logError(call, path, "invalid path");
        return false;
    }
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    const std::string key(path);
    struct stat info
    {};
    if (m_batchChanged.count(key) > 0 || ::lstat(path, &info) == 0)
        return document(call, key, kStoreRoot) != nullptr;

    auto fresh = std::make_unique<pugi::xml_document>();
    pugi::xml_node declaration = fresh->append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    fresh->append_child(kStoreRoot).append_attribute("version") = 1;
    if (m_cache.size() >= kMaxCachedFiles)
        trimCache();
    m_cache[key] = Entry{FileIdentity{}, std::move(fresh)};
    return store(call, key);
}

void XmlStore::clearCache()
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    trimCache();
}

void XmlStore::beginBatch()
{
    m_mutex.lock();
    ++m_batchDepth;
}

void XmlStore::forgetBatchChanges()
{
    for (const auto &changed : m_batchChanged)
        m_cache.erase(changed.first);
    m_batchChanged.clear();
}

bool XmlStore::endBatch(bool commit)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (m_batchDepth == 0) {
        logError("endBatch", nullptr, "no batch is open");
        return false;
    }
    if (!commit)
        m_batchDiscarded = true;
    bool written = !m_batchDiscarded;
    if (--m_batchDepth == 0) {
        if (m_batchDiscarded) {
            forgetBatchChanges();
        } else {
            const auto changed = std::move(m_batchChanged);
            m_batchChanged.clear();
            for (const auto &file : changed)
                written = store(file.second, file.first) && written;
        }
        m_batchDiscarded = false;
    }
    // The lock taken by beginBatch.
    m_mutex.unlock();
    return written;
}

} // namespace xmlstore
