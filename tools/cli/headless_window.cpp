#include "headless_window.h"

#include <algorithm>
#include <cstdio>

namespace korvane::cli {

HeadlessWindow::HeadlessWindow(std::set<int> sortedCombos)
    : sortedCombos_(std::move(sortedCombos)) {}

void HeadlessWindow::SetText(int id, const std::string& text) {
    texts_[id] = text;
}

std::string HeadlessWindow::GetText(int id) const {
    const auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
}

void HeadlessWindow::Enable(int id, bool enabled) {
    if (enabled) {
        disabled_.erase(id);
    } else {
        disabled_.insert(id);
    }
}

void HeadlessWindow::SetToolTip(int /*id*/, const std::string& /*text*/) {}

bool HeadlessWindow::IsChecked(int id) const {
    return checked_.count(id) != 0;
}

void HeadlessWindow::SetChecked(int id, bool checked) {
    if (checked) {
        checked_.insert(id);
    } else {
        checked_.erase(id);
    }
}

void HeadlessWindow::CheckRadioButton(int first, int last, int id) {
    for (int other = first; other <= last; ++other) {
        checked_.erase(other);
    }
    checked_.insert(id);
}

void HeadlessWindow::ListReset(int id) {
    lists_[id].clear();
}

void HeadlessWindow::ListAdd(int id, const std::string& line) {
    lists_[id].push_back(line);
}

void HeadlessWindow::SetTabStops(int /*id*/, const std::vector<int>& /*stops*/) {}

void HeadlessWindow::ComboReset(int id) {
    combos_[id] = Combo{};
    texts_[id].clear();
}

int HeadlessWindow::ComboAdd(int id, const std::string& text) {
    Combo& combo = combos_[id];
    auto position = combo.items.end();
    if (sortedCombos_.count(id) != 0) {
        position = std::upper_bound(combo.items.begin(), combo.items.end(), text);
    }
    const int index = static_cast<int>(position - combo.items.begin());
    combo.items.insert(position, text);
    if (combo.selection >= index) {
        ++combo.selection;
    }
    return index;
}

int HeadlessWindow::ComboCount(int id) const {
    const auto it = combos_.find(id);
    return it == combos_.end() ? 0 : static_cast<int>(it->second.items.size());
}

std::string HeadlessWindow::ComboItemText(int id, int index) const {
    const auto it = combos_.find(id);
    if (it == combos_.end() || index < 0 || index >= static_cast<int>(it->second.items.size())) {
        return {};
    }
    return it->second.items[static_cast<std::size_t>(index)];
}

int HeadlessWindow::ComboSelection(int id) const {
    const auto it = combos_.find(id);
    return it == combos_.end() ? -1 : it->second.selection;
}

void HeadlessWindow::ComboSetSelection(int id, int index) {
    Combo& combo = combos_[id];
    if (index < 0 || index >= static_cast<int>(combo.items.size())) {
        combo.selection = -1;
        return;
    }
    combo.selection = index;
    texts_[id] = combo.items[static_cast<std::size_t>(index)];
}

void HeadlessWindow::SetUpDown(int /*upDownId*/, int editId, int base, int /*lower*/, int /*upper*/,
                               int position) {
    char text[16];
    (void)std::snprintf(text, sizeof text, base == 16 ? "%X" : "%d", position);
    texts_[editId] = text;
}

void HeadlessWindow::SetProgress(int id, long long done, long long total) {
    progress_[id] = {done, total};
}

std::pair<long long, long long> HeadlessWindow::Progress(int id) const {
    const auto it = progress_.find(id);
    return it == progress_.end() ? std::pair<long long, long long>{0, 0} : it->second;
}

MessageBoxResult HeadlessWindow::ShowMessageBox(const std::string& text, const std::string& caption,
                                                MessageBoxStyle style) {
    messages_.push_back({text, caption});
    return style == MessageBoxStyle::YesNoExclamation ? yesNoAnswer_ : MessageBoxResult::Ok;
}

bool HeadlessWindow::AskOpenFileName(std::string& path, const FileFilter& /*filter*/,
                                     const std::string& /*initialFolder*/,
                                     const std::string& /*title*/) {
    if (fileAnswers_.empty()) {
        return false;
    }
    path = fileAnswers_.front();
    fileAnswers_.erase(fileAnswers_.begin());
    return true;
}

void HeadlessWindow::AnswerNextFileDialog(std::string path) {
    fileAnswers_.push_back(std::move(path));
}

void HeadlessWindow::OpenModalDialog(int templateId) {
    if (modalHandler_) {
        modalHandler_(templateId);
    }
}

void HeadlessWindow::OnModalDialog(std::function<void(int templateId)> handler) {
    modalHandler_ = std::move(handler);
}

const std::vector<std::string>& HeadlessWindow::List(int id) const {
    static const std::vector<std::string> kEmpty;
    const auto it = lists_.find(id);
    return it == lists_.end() ? kEmpty : it->second;
}

} // namespace korvane::cli
