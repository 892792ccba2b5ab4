#include "repeatorder.h"

#include "xml/model/xpathevaluator.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Sort keys are kept as they are written into the attribute.
Core::String unescaped(const Core::String& select)
{
    QString text = select.toQString();
    text.replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"));
    return text;
}

// Case-blind first; of two texts that differ only in case, the one with the
// upper-case letter first comes first under upper-first.
int compareText(const QString& a, const QString& b, int caseOrder)
{
    if (const int blind = QString::compare(a, b, Qt::CaseInsensitive); blind != 0) {
        return blind;
    }
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) {
            const bool upperFirst = a[i].isUpper();
            return (caseOrder == SortCriteria::UpperFirst) == upperFirst ? -1 : 1;
        }
    }
    return 0;
}

// Not-a-number keys come before every number, as in XSLT.
int compareNumber(double a, double b)
{
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) == std::isnan(b) ? 0 : std::isnan(a) ? -1 : 1;
    }
    return a < b ? -1 : a > b ? 1 : 0;
}

struct Key
{
    QString text;
    double number = std::numeric_limits<double>::quiet_NaN();
};

} // namespace

RepeatOrder::RepeatOrder(const Xml::Element& repeat) : RepeatOrder(repeat.get_attribute_value("sort"))
{
    m_groupContext = repeat.get_attribute_value("group-context");
    m_groupBy = repeat.get_attribute_value("group-by");
    m_merge = repeat.get_attribute_value("group-merge") == "true";
}

RepeatOrder::RepeatOrder(const Core::String& sort) : m_criteria(SortCriteria::fromString(sort))
{
    for (SortCriteria& criterion : m_criteria) {
        criterion.select = unescaped(criterion.select);
    }
}

std::vector<std::vector<Xml::Node>> RepeatOrder::arrange(std::vector<Xml::Node> nodes, XPathEvaluator& evaluator) const
{
    sort(nodes, evaluator);
    std::vector<std::vector<Xml::Node>> groups;
    if (m_groupBy.isEmpty()) {
        groups.reserve(nodes.size());
        for (const Xml::Node& node : nodes) {
            groups.push_back({node});
        }
        return groups;
    }
    QHash<QString, size_t> groupOf;
    for (const Xml::Node& node : nodes) {
        Xml::Node context = node;
        if (!m_groupContext.isEmpty()) {
            const std::vector<Xml::Node> found = evaluator.nodes(node, m_groupContext, 1);
            context = found.empty() ? Xml::Node() : found.front();
        }
        const QString key =
            context.isNull() ? QString() : evaluator.text(context, m_groupBy).value_or(Core::String()).toQString();
        auto at = groupOf.constFind(key);
        if (at == groupOf.cend()) {
            at = groupOf.insert(key, groups.size());
            groups.emplace_back();
        }
        groups[at.value()].push_back(node);
    }
    return groups;
}

void RepeatOrder::sort(std::vector<Xml::Node>& nodes, XPathEvaluator& evaluator) const
{
    if (m_criteria.empty()) {
        return;
    }
    // Every key is evaluated once, not once per comparison.
    const size_t width = m_criteria.size();
    std::vector<Key> keys(nodes.size() * width);
    for (size_t n = 0; n < nodes.size(); ++n) {
        for (size_t c = 0; c < width; ++c) {
            Key& key = keys[n * width + c];
            key.text = evaluator.text(nodes[n], m_criteria[c].select).value_or(Core::String()).toQString();
            if (m_criteria[c].dataType == SortCriteria::Number) {
                bool ok = false;
                const double value = key.text.trimmed().toDouble(&ok);
                key.number = ok ? value : std::numeric_limits<double>::quiet_NaN();
            }
        }
    }
    std::vector<size_t> order(nodes.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t left, size_t right) {
        for (size_t c = 0; c < width; ++c) {
            const SortCriteria& criterion = m_criteria[c];
            const Key& a = keys[left * width + c];
            const Key& b = keys[right * width + c];
            int result = criterion.dataType == SortCriteria::Number ? compareNumber(a.number, b.number)
                                                                     : compareText(a.text, b.text, criterion.caseOrder);
            if (criterion.order == SortCriteria::Descending) {
                result = -result;
            }
            if (result != 0) {
                return result < 0;
            }
        }
        return false;
    });
    std::vector<Xml::Node> sorted;
    sorted.reserve(nodes.size());
    for (size_t index : order) {
        sorted.push_back(nodes[index]);
    }
    nodes = std::move(sorted);
}
