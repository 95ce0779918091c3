#pragma once

#include "chips/chip_buffer.h"
#include "link/programmer_link.h"

// A chip operation runs for as long as this lives: it holds the link, so no
// other exchange, search or check starts, and locks the buffer, so nothing
// replaces or edits it meanwhile.
class OperationScope {
public:
    OperationScope(ChipBuffer &buffer, ProgrammerLink &link)
        : lock_(buffer), hold_(link, ProgrammerLink::Use::Operation) {}

private:
    ChipBuffer::Lock lock_;
    ProgrammerLink::Hold hold_;
};
