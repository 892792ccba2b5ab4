#pragma once

/// The direction of one exchange between a dialog's members and its controls,
/// handed to the controls' DDX_Value overloads. A dialog loads its controls
/// from its members when it opens and saves them back on OK.
class DataExchange
{
public:
    enum class Direction { Load, Save };

    explicit constexpr DataExchange(Direction direction) : m_direction(direction) {}

    static constexpr DataExchange load() { return DataExchange(Direction::Load); }
    static constexpr DataExchange save() { return DataExchange(Direction::Save); }

    /// True when the members are filled from the controls, false when the
    /// controls are filled from the members.
    constexpr bool isSaving() const { return m_direction == Direction::Save; }

private:
    Direction m_direction;
};
