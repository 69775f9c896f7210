// Builds the art and the font once for all tests of a suite and decodes
// them on request.
#pragma once

#include <gtest/gtest.h>

#include "ArtAssets.h"
#include "DecodedImage.h"
#include "FontAssets.h"
#include "MemorySink.h"

class ArtTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (s_sink == nullptr) {
            s_sink = new MemorySink;
            buildArt(*s_sink);
            buildFont(*s_sink);
        }
    }

    static const MemorySink& sink() { return *s_sink; }

    // An empty picture (and a failure) when the file is missing or undecodable.
    static DecodedImage image(const std::string& name) {
        const auto found = s_sink->archive.find(name);
        const auto decoded =
            found == s_sink->archive.end() ? std::nullopt : DecodedImage::decode(found->second);
        if (!decoded)
            ADD_FAILURE() << name << " is missing from the archive or does not decode";
        return decoded.value_or(DecodedImage{});
    }

  private:
    static inline MemorySink* s_sink = nullptr;
};
