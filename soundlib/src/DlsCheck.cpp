// Walks the RIFF tree of a DLS bank, checking that every chunk and list lies
// inside its parent, and that the collection header, instrument list, pool
// table and wave pool are there.
#include "DlsCheck.h"

#include "ByteCursor.h"

#include <cstring>

namespace soundlib {

namespace {

constexpr int kMaxDepth = 16;

struct Found {
    bool collectionHeader = false;
    bool instruments = false;
    bool poolTable = false;
    bool wavePool = false;
};

bool walkChunks(ByteCursor cursor, int depth, Found& found, std::string& problem) {
    if (depth > kMaxDepth) {
        problem = "RIFF lists nested too deeply";
        return false;
    }
    while (cursor.remaining() > 0) {
        if (cursor.remaining() < 8) {
            problem = "stray bytes after the last chunk";
            return false;
        }
        char id[5] = {};
        std::memcpy(id, cursor.here(), 4);
        // Named in messages: a damaged id may hold any byte.
        for (int i = 0; i < 4; ++i) {
            id[i] = id[i] >= ' ' && id[i] <= '~' ? id[i] : '?';
        }
        cursor.skip(4);
        const std::uint32_t length = cursor.u32le();
        if (length > cursor.remaining()) {
            problem = std::string("chunk '") + id + "' runs past its parent";
            return false;
        }
        ByteCursor body(cursor.here(), length);
        if (std::strcmp(id, "LIST") == 0) {
            if (length < 4) {
                problem = "LIST chunk without a type";
                return false;
            }
            char type[5] = {};
            std::memcpy(type, body.here(), 4);
            body.skip(4);
            found.instruments |= depth == 0 && std::strcmp(type, "lins") == 0;
            found.wavePool |= depth == 0 && std::strcmp(type, "wvpl") == 0;
            if (!walkChunks(ByteCursor(body.here(), body.remaining()), depth + 1, found, problem)) {
                return false;
            }
        } else if (depth == 0) {
            found.collectionHeader |= std::strcmp(id, "colh") == 0;
            found.poolTable |= std::strcmp(id, "ptbl") == 0;
        }
        // Chunks are padded to an even length; the pad may be missing at the
        // very end of a list.
        cursor.skip(length);
        if ((length & 1u) != 0 && cursor.remaining() > 0) {
            cursor.skip(1);
        }
    }
    return true;
}

} // namespace

bool checkDlsBank(const std::uint8_t* data, std::size_t size, std::string& problem) {
    ByteCursor cursor(data, size);
    const bool riff = cursor.tag("RIFF");
    const std::uint32_t length = cursor.u32le();
    const bool dls = cursor.tag("DLS ");
    if (!cursor.ok() || !riff || !dls) {
        problem = "not a DLS sound bank (no RIFF 'DLS ' header)";
        return false;
    }
    if (length < 4 || length - 4 > cursor.remaining()) {
        problem = "RIFF length is larger than the file";
        return false;
    }
    Found found;
    if (!walkChunks(ByteCursor(cursor.here(), length - 4), 0, found, problem)) {
        return false;
    }
    if (!found.collectionHeader || !found.instruments || !found.poolTable || !found.wavePool) {
        problem = "DLS bank lacks one of its collection header, instrument list, pool table "
                  "or wave pool";
        return false;
    }
    return true;
}

} // namespace soundlib
