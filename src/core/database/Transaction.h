#pragma once

namespace arvenna {

class Database;

// Keeps a run of writes together: begun when the guard is made, kept by
// commit(), undone when the guard leaves its scope uncommitted (an early
// return or an exception). The write lock is taken at the start, so a
// database another program is writing fails here rather than halfway.
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Throws DatabaseError when the engine cannot commit; the writes are then undone.
    void commit();

private:
    Database& database_;
    bool open_ = true;
};

} // namespace arvenna
