#pragma once

#include "form/layout_table.h"
#include "form/multi_line_text.h"
#include "widgets/change_label.h"
#include "widgets/counter_display.h"
#include "widgets/focus_line_edit.h"
#include "widgets/ip_entry.h"
#include "widgets/list_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <type_traits>
#include <utility>

namespace linknode {

// The class that the form makes for each kind of control.
template <ControlKind> struct WidgetOfKind;
// clang-format off
template <> struct WidgetOfKind<ControlKind::Frame> { using type = QGroupBox; };
template <> struct WidgetOfKind<ControlKind::Button> { using type = QPushButton; };
template <> struct WidgetOfKind<ControlKind::CheckBox> { using type = QCheckBox; };
template <> struct WidgetOfKind<ControlKind::Option> { using type = QRadioButton; };
template <> struct WidgetOfKind<ControlKind::TextBox> { using type = FocusLineEdit; };
template <> struct WidgetOfKind<ControlKind::MultiLineText> { using type = MultiLineText; };
template <> struct WidgetOfKind<ControlKind::Password> { using type = FocusLineEdit; };
template <> struct WidgetOfKind<ControlKind::Label> { using type = ChangeLabel; };
template <> struct WidgetOfKind<ControlKind::Picture> { using type = ChangeLabel; };
template <> struct WidgetOfKind<ControlKind::List> { using type = ListBox; };
template <> struct WidgetOfKind<ControlKind::SortedList> { using type = ListBox; };
template <> struct WidgetOfKind<ControlKind::Combo> { using type = QComboBox; };
template <> struct WidgetOfKind<ControlKind::IpEntry> { using type = IpEntry; };
template <> struct WidgetOfKind<ControlKind::Counter> { using type = CounterDisplay; };
template <> struct WidgetOfKind<ControlKind::Timer> { using type = QTimer; };
template <> struct WidgetOfKind<ControlKind::Line> { using type = QFrame; };
template <> struct WidgetOfKind<ControlKind::ProgressBar> { using type = QProgressBar; };
// clang-format on
template <ControlKind K> using WidgetOf = typename WidgetOfKind<K>::type;

namespace handle_detail {
    // Reached only when a lookup fails while the compiler evaluates it: the build stops at
    // the handle that names no control of the table, or one of another kind.
    void noSuchControlInTheLayoutTable();
    [[noreturn]] void missingElement(const char* array, int index);

    // True when a control of kind `kind` can be handed out as a T.
    template <class T> consteval bool holds(ControlKind kind)
    {
        using enum ControlKind;
        switch (kind) {
        case Frame:
            return std::is_base_of_v<T, WidgetOf<Frame>>;
        case Button:
            return std::is_base_of_v<T, WidgetOf<Button>>;
        case CheckBox:
            return std::is_base_of_v<T, WidgetOf<CheckBox>>;
        case Option:
            return std::is_base_of_v<T, WidgetOf<Option>>;
        case TextBox:
            return std::is_base_of_v<T, WidgetOf<TextBox>>;
        case MultiLineText:
            return std::is_base_of_v<T, WidgetOf<MultiLineText>>;
        case Password:
            return std::is_base_of_v<T, WidgetOf<Password>>;
        case Label:
            return std::is_base_of_v<T, WidgetOf<Label>>;
        case Picture:
            return std::is_base_of_v<T, WidgetOf<Picture>>;
        case List:
            return std::is_base_of_v<T, WidgetOf<List>>;
        case SortedList:
            return std::is_base_of_v<T, WidgetOf<SortedList>>;
        case Combo:
            return std::is_base_of_v<T, WidgetOf<Combo>>;
        case IpEntry:
            return std::is_base_of_v<T, WidgetOf<IpEntry>>;
        case Counter:
            return std::is_base_of_v<T, WidgetOf<Counter>>;
        case Timer:
            return std::is_base_of_v<T, WidgetOf<Timer>>;
        case Line:
            return std::is_base_of_v<T, WidgetOf<Line>>;
        case ProgressBar:
            return std::is_base_of_v<T, WidgetOf<ProgressBar>>;
        }
        return false;
    }

    // constexpr, not consteval: clang 14 refuses a consteval call on a reference local to the
    // consteval template below. Called only from there, they still run at compile time.
    constexpr bool sameText(const char* a, const char* b)
    {
        while (*a && *a == *b)
            ++a, ++b;
        return *a == *b;
    }

    // "SW_MODE(1)" is element 1 of the array "SW_MODE".
    constexpr bool isElement(const char* name, const char* array, int index)
    {
        while (*array && *name == *array)
            ++name, ++array;
        if (*array || *name++ != '(')
            return false;
        char digits[12] = {};
        int length = 0;
        do
            digits[length++] = static_cast<char>('0' + index % 10);
        while (index /= 10);
        while (length)
            if (*name++ != digits[--length])
                return false;
        return name[0] == ')' && name[1] == '\0';
    }

    // The row of the control named so (an array's element when index >= 0), of a kind T holds.
    template <class T> consteval int rowOf(const char* name, int index = -1)
    {
        for (size_t row = 0; row < layoutTable.size(); ++row) {
            const ControlSpec& entry = layoutTable[row];
            const bool named
                = index < 0 ? sameText(entry.name, name) : isElement(entry.name, name, index);
            if (named && holds<T>(entry.kind))
                return static_cast<int>(row);
        }
        noSuchControlInTheLayoutTable();
        return -1;
    }
}

// A control of the main form, checked against the layout table when the program is built:
// a name that no row has, or a row of another kind, does not compile. The form hands out
// the control itself for a handle: form[B_ASK_CFG] is the QPushButton.
template <class T> class Control {
public:
    consteval Control(const char* name)
        : row_(handle_detail::rowOf<T>(name))
    {
    }

    // A handle of a more specific control serves where a more general one is asked for.
    template <class U>
    requires std::is_base_of_v<T, U>
    constexpr Control(Control<U> other)
        : row_(other.row())
    {
    }

    constexpr int row() const { return row_; }
    constexpr const char* name() const { return layoutTable[row_].name; }

private:
    template <class, size_t> friend class ControlArray;
    struct Row {
        int row;
    };
    constexpr explicit Control(Row row)
        : row_(row.row)
    {
    }

    int row_;
};

// A list of handles of one class or its subclasses: for (auto box : ControlList<QWidget> { ... }).
template <class T> using ControlList = std::initializer_list<Control<T>>;

// An array of controls ("PIC_PROD(0)" to "PIC_PROD(15)"). Its elements need not be
// contiguous ("LABEL_UDP_TX_MASK" has 0, 1 and 10). ARRAY(i) with a constant i is checked when
// the program is built; ARRAY.at(i) takes an index known only at run time.
template <class T, size_t N> class ControlArray {
public:
    // Elements 0 to N - 1.
    consteval ControlArray(const char* name)
        : ControlArray(name, firstIndices(std::make_index_sequence<N>()))
    {
    }

    consteval ControlArray(const char* name, std::array<int, N> indices)
        : name_(name)
        , indices_(indices)
        , elements_(elements(name, indices, std::make_index_sequence<N>()))
    {
    }

    consteval Control<T> operator()(int index) const
    {
        for (size_t i = 0; i < N; ++i)
            if (indices_[i] == index)
                return elements_[i];
        handle_detail::noSuchControlInTheLayoutTable();
        return elements_[0];
    }

    // The element `index`; one the array does not have is a programming error.
    Control<T> at(int index) const
    {
        for (size_t i = 0; i < N; ++i)
            if (indices_[i] == index)
                return elements_[i];
        handle_detail::missingElement(name_, index);
    }

    constexpr auto begin() const { return elements_.begin(); }
    constexpr auto end() const { return elements_.end(); }

private:
    template <size_t... I>
    static consteval std::array<int, N> firstIndices(std::index_sequence<I...>)
    {
        return { static_cast<int>(I)... };
    }
    template <size_t... I>
    static consteval std::array<Control<T>, N> elements(
        const char* name, std::array<int, N> indices, std::index_sequence<I...>)
    {
        using Row = typename Control<T>::Row;
        return { Control<T>(Row { handle_detail::rowOf<T>(name, indices[I]) })... };
    }

    const char* name_;
    std::array<int, N> indices_;
    std::array<Control<T>, N> elements_;
};

} // namespace linknode
