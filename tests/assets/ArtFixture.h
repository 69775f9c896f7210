// Builds the art once for all tests of a suite and decodes it on request.
#pragma once

#include <gtest/gtest.h>

#include "ArtAssets.h"
#include "DecodedImage.h"
#include "MemorySink.h"

class ArtTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (s_sink == nullptr) {
            s_sink = new MemorySink;
            buildArt(*s_sink);
        }
    }

    static const MemorySink& sink() { return *s_sink; }

    static DecodedImage image(const std::string& name) {
        const auto found = s_sink->archive.find(name);
        if (found == s_sink->archive.end()) {
            ADD_FAILURE() << name << " is not in the archive";
            return *DecodedImage::decode(blankTga());
        }
        auto decoded = DecodedImage::decode(found->second);
        if (!decoded) {
            ADD_FAILURE() << name << " does not decode";
            return *DecodedImage::decode(blankTga());
        }
        return *decoded;
    }

  private:
    static Bytes blankTga() {
        return {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 32, 0x28, 0, 0, 0, 0};
    }

    static inline MemorySink* s_sink = nullptr;
};
