#pragma once

#include <memory>

class OperationScope;
class Session;

// The box of a session lent to production for as long as this lives: no
// operation, search or check of the session starts, the buffer stays as it
// is and the port is closed, so that a production site may open it. When
// the loan ends the session looks for its box again, as it did before.
class BoxLoan {
public:
    explicit BoxLoan(Session &session);
    ~BoxLoan();
    BoxLoan(const BoxLoan &) = delete;
    BoxLoan &operator=(const BoxLoan &) = delete;

private:
    Session &session_;
    std::unique_ptr<OperationScope> scope_;
    bool wasOnline_;
    bool wasChecking_;
};
