#pragma once
// Clears a flag when the scope ends, however it ends (used for the Updating guard).
namespace tintlace {

class ClearOnExit {
public:
    explicit ClearOnExit(bool& flag) : m_flag(flag) {}
    ~ClearOnExit() { m_flag = false; }
    ClearOnExit(const ClearOnExit&) = delete;
    ClearOnExit& operator=(const ClearOnExit&) = delete;

private:
    bool& m_flag;
};

} // namespace tintlace
