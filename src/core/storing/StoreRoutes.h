#pragma once

#include <QString>

namespace arvenna {

class BufferWalk;
class ClassProvincia;
struct StoringContext;

// The province whose paragraph a route list follows.
struct RouteOwner {
    ClassProvincia* province = nullptr; // null after a city's or a building's paragraph
    QString key;
};

// Stores the "(RTE)" route list at the walk's position for its province,
// unless the game knows that province's routes from a later turn: the list
// replaces the routes known before, in the route table, the province's exit
// fields and the model. The walk ends on the list's last line. A list that
// follows no province is passed over; lines naming a route unreadably are
// marked in the log and passed over.
void storeRouteList(StoringContext& context, BufferWalk& walk, const RouteOwner& owner);

} // namespace arvenna
