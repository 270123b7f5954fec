#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace xmlstore {

// The root element of every file the store writes.
extern const char *const kStoreRoot;

// Parsed store files, cached by path and file identity, and their atomic writes. Every read and
// change of a file goes through here, so the cache stays equal to the disk: a change is written at
// once and a file changed from outside is parsed again. Calls are serialised by one lock.
//
// A batch holds that lock from begin to end on the thread that began it: changes and new files stay
// in the cache, and the end writes each changed file once, atomically, or forgets them all. Batches
// nest; the outermost end decides, and a discard anywhere inside makes it forget.
class XmlStore
{
public:
    using Reader = std::function<bool(const pugi::xml_document &)>;
    using Changer = std::function<bool(pugi::xml_document &)>;

    static XmlStore &instance();

    // Runs reader on the file's document when the file parses and its root element is root.
    // Returns false when it does not, else the reader's result.
    bool read(const char *call, const char *path, const char *root, const Reader &reader);

    // Runs changer on the file's document and writes the document when it returns true. A changer
    // returning false must leave the document unchanged. Returns true once the file is written.
    bool change(const char *call, const char *path, const Changer &changer);

    // Writes a new store file with an empty root element unless a file exists at path; true when a
    // store file is there afterwards.
    bool create(const char *call, const char *path);

    // Forgets every parsed document.
    void clearCache();

    void beginBatch();
    // Ends the innermost batch. The outermost end writes every file changed in the batch (true when
    // all were written) unless some end discarded; a discarded batch leaves the files untouched.
    bool endBatch(bool commit);

private:
    struct FileIdentity
    {
        uint64_t device = 0;
        uint64_t inode = 0;
        int64_t size = -1;
        int64_t modifiedNs = 0;
        int64_t changedNs = 0;
        bool operator==(const FileIdentity &other) const;
    };
    struct Entry
    {
        FileIdentity identity;
        std::unique_ptr<pugi::xml_document> document;
    };

    static bool identityOf(const std::string &path, FileIdentity *identity);
    // The cached or freshly parsed document of path; nullptr (logged) when it cannot be had.
    pugi::xml_document *document(const char *call, const std::string &path, const char *root);
    bool write(const char *call, const std::string &path, const pugi::xml_document &document);
    // Writes the document of path now, or at the batch's end when a batch is open.
    bool store(const char *call, const std::string &path);
    void forgetBatchChanges();
    void trimCache();

    std::recursive_mutex m_mutex;
    std::unordered_map<std::string, Entry> m_cache;
    std::string m_buffer;
    int m_batchDepth = 0;
    bool m_batchDiscarded = false;
    // Files changed in the open batch, with the call that last changed each.
    std::unordered_map<std::string, const char *> m_batchChanged;
};

// Writes one line about a failed call to the error output.
void logError(const char *call, const char *path, const std::string &what);

} // namespace xmlstore
