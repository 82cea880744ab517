#include "FieldList.h"

std::string FieldList::NextPath() {
    if (frames_.empty())
        return "";
    Frame& f = frames_.back();
    if (f.bArray)
        return f.Path + '[' + std::to_string(f.NextIndex++) + ']';
    return f.Path.empty() ? key_ : f.Path + '.' + key_;
}

void FieldList::Enter(bool bArray) {
    frames_.push_back({NextPath(), bArray});
}
