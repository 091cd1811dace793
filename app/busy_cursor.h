#pragma once
// The hourglass while a run works. Restored at the latest when the guard goes, so an
// error that ends a run never leaves the director with a busy cursor.
namespace quorvex {

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // Back to the normal cursor now (before a message box, say); later calls do nothing.
    void restore();

private:
    bool active_ = true;
};

}  // namespace quorvex
