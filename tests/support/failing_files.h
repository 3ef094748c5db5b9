// A file system whose writes fail at one chosen step, for commands under test:
// the real writer, so what a failure leaves on disk is what users would see.
#pragma once

#include "platform/files.h"

namespace zw::test {

class FailingFileSystem : public SystemFileSystem {
  public:
    // Fails `step`; a Write fails once `atOffset` bytes are written.
    explicit FailingFileSystem(WriteStep step, size_t atOffset = 0)
        : SystemFileSystem([step, atOffset](WriteStep s, size_t offset) {
              return s == step && (s != WriteStep::Write || offset >= atOffset);
          }) {}
};

} // namespace zw::test
