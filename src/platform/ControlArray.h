#pragma once
// A control array: controls of one kind under one name, told apart by an
// index (Label48(0), Label48(1), ...). Elements may be missing (the indexes
// need not be contiguous); elements are added and removed at run time.
//
// Each element is a control of its own, named "<name>(<index>)". Reaching a
// missing element throws std::out_of_range; adding an index that is present
// throws std::invalid_argument (a negative index std::out_of_range).
//
// A handler set on the array receives the element's index first and is given
// to every element present and to every element added later:
//     Label48.onClick([this](int index) { pick(index); });
// Setting an element's own handler afterwards replaces it for that element.
// An element must not be removed from inside one of its own handlers.

#include <QString>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

namespace platform {

template <class T> class ControlArray {
    using Items = std::map<int, std::unique_ptr<T>>;

public:
    using IndexHandler = std::function<void(int index)>;
    using IndexMouseHandler = std::function<void(int index, int button, int shift, int x, int y)>;
    using IndexKeyHandler = std::function<void(int index, int& keyCode, int shift)>;
    using IndexKeyPressHandler = std::function<void(int index, int& keyAscii)>;

    template <class MapIt, class V> class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = V;
        using difference_type = std::ptrdiff_t;
        using pointer = V*;
        using reference = V&;

        Iterator() = default;
        explicit Iterator(MapIt it) : it_(it) {}
        V& operator*() const { return *it_->second; }
        V* operator->() const { return it_->second.get(); }
        int index() const { return it_->first; }
        Iterator& operator++() {
            ++it_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            ++it_;
            return old;
        }
        bool operator==(const Iterator& other) const { return it_ == other.it_; }

    private:
        MapIt it_{};
    };
    using iterator = Iterator<typename Items::iterator, T>;
    using const_iterator = Iterator<typename Items::const_iterator, const T>;

    ControlArray() = default;
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    static QString elementName(const QString& name, int index) {
        return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
    }

    // Creates element `index` as T(parent, "<name>(<index>)", args...).
    template <class Parent, class... Args>
    T& add(Parent& parent, const QString& name, int index, Args&&... args) {
        if (index < 0) throw std::out_of_range("control array index below 0");
        if (contains(index)) throw std::invalid_argument("control array element already present");
        auto element =
            std::make_unique<T>(parent, elementName(name, index), std::forward<Args>(args)...);
        T& e = *element;
        items_.emplace(index, std::move(element));
        for (auto& [slot, binder] : binders_)
            binder(e, index);
        return e;
    }

    // The classic Unload: false when there was no such element.
    bool remove(int index) { return items_.erase(index) > 0; }

    T& at(int index) { return *find(items_, index); }
    const T& at(int index) const { return *find(items_, index); }
    T& operator[](int index) { return at(index); }
    const T& operator[](int index) const { return at(index); }

    bool contains(int index) const { return items_.count(index) > 0; }
    int count() const { return static_cast<int>(items_.size()); }
    // The lowest and highest index present (0 and -1 when empty).
    int lbound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int ubound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    std::vector<int> indexes() const {
        std::vector<int> out;
        for (const auto& item : items_)
            out.push_back(item.first);
        return out;
    }

    iterator begin() { return iterator(items_.begin()); }
    iterator end() { return iterator(items_.end()); }
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

    void onClick(IndexHandler h) { bindEvery<&T::onClick>(std::move(h)); }
    void onDblClick(IndexHandler h) { bindEvery<&T::onDblClick>(std::move(h)); }
    void onChange(IndexHandler h) { bindEvery<&T::onChange>(std::move(h)); }
    void onGotFocus(IndexHandler h) { bindEvery<&T::onGotFocus>(std::move(h)); }
    void onLostFocus(IndexHandler h) { bindEvery<&T::onLostFocus>(std::move(h)); }
    void onMouseDown(IndexMouseHandler h) { bindEvery<&T::onMouseDown>(std::move(h)); }
    void onMouseUp(IndexMouseHandler h) { bindEvery<&T::onMouseUp>(std::move(h)); }
    void onMouseMove(IndexMouseHandler h) { bindEvery<&T::onMouseMove>(std::move(h)); }
    void onKeyDown(IndexKeyHandler h) { bindEvery<&T::onKeyDown>(std::move(h)); }
    void onKeyPress(IndexKeyPressHandler h) { bindEvery<&T::onKeyPress>(std::move(h)); }

private:
    using Binder = std::function<void(T&, int)>;
    // One tag per handler slot: the binders are kept by the slot they fill.
    template <auto Slot> static constexpr char SlotTag = 0;

    template <class Map>
    static auto find(Map& items, int index) -> decltype(items.at(index).get()) {
        auto it = items.find(index);
        if (it == items.end()) throw std::out_of_range("no control array element at this index");
        return it->second.get();
    }

    // Points an element's handler at h with the element's index bound first.
    template <class... A>
    static void bindTo(std::function<void(A...)>& slot,
                       const std::type_identity_t<std::function<void(int, A...)>>& h, int index) {
        if (!h) {
            slot = nullptr;
            return;
        }
        slot = [h, index](A... a) { h(index, std::forward<A>(a)...); };
    }

    // Points handler slot Slot of every element, present and added later, at h.
    template <auto Slot, class H> void bindEvery(H h) {
        Binder binder = [h = std::move(h)](T& e, int i) { bindTo(e.*Slot, h, i); };
        for (auto& [index, element] : items_)
            binder(*element, index);
        binders_[&SlotTag<Slot>] = std::move(binder);
    }

    Items items_;
    std::map<const void*, Binder> binders_;
};

} // namespace platform
