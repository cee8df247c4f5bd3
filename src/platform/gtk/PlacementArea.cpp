#include "platform/gtk/PlacementArea.h"

#include <algorithm>
#include <vector>

namespace platform::gtk {

namespace {

struct Placed {
  GtkWidget* widget;
  Rect rect;
};

// GObject zero-fills the instance, so the C++ parts live behind pointers made in init.
struct Instance {
  GtkContainer parent;
  std::vector<Placed>* children;
  PlacementArea::SizeListener* listener;
  bool allocating;
};

struct Class {
  GtkContainerClass parent;
};

GType AreaType();

Instance* Of(gpointer area) { return G_TYPE_CHECK_INSTANCE_CAST(area, AreaType(), Instance); }

Placed* Find(Instance* area, GtkWidget* child) {
  auto it = std::ranges::find(*area->children, child, &Placed::widget);
  return it == area->children->end() ? nullptr : &*it;
}

void NoRoom(GtkWidget*, gint* minimum, gint* natural) { *minimum = *natural = 0; }

void Allocate(GtkWidget* widget, GtkAllocation* allocation) {
  Instance* area = Of(widget);
  gtk_widget_set_allocation(widget, allocation);
  area->allocating = true;
  if (*area->listener) (*area->listener)();
  GdkRectangle clip = *allocation;
  for (const Placed& placed : std::vector<Placed>(*area->children)) {
    if (!Find(area, placed.widget) || !gtk_widget_get_visible(placed.widget)) continue;
    GtkRequisition least;
    gtk_widget_get_preferred_size(placed.widget, &least, nullptr);
    GtkAllocation child{allocation->x + placed.rect.left, allocation->y + placed.rect.top,
                        std::max(placed.rect.width, least.width), std::max(placed.rect.height, least.height)};
    gtk_widget_size_allocate(placed.widget, &child);
    GdkRectangle childClip;
    gtk_widget_get_clip(placed.widget, &childClip);
    gdk_rectangle_union(&clip, &childClip, &clip);
  }
  gtk_widget_set_clip(widget, &clip);
  area->allocating = false;
}

void Add(GtkContainer* container, GtkWidget* child) { PlacementArea::Place(GTK_WIDGET(container), child, {}); }

void Remove(GtkContainer* container, GtkWidget* child) {
  Instance* area = Of(container);
  if (!Find(area, child)) return;
  const bool wasVisible = gtk_widget_get_visible(child);
  gtk_widget_unparent(child);
  std::erase_if(*area->children, [child](const Placed& p) { return p.widget == child; });
  if (wasVisible) gtk_widget_queue_resize(GTK_WIDGET(container));
}

void ForAll(GtkContainer* container, gboolean, GtkCallback callback, gpointer data) {
  // The callback may take a child out.
  for (const Placed& placed : std::vector<Placed>(*Of(container)->children)) callback(placed.widget, data);
}

void Finalize(GObject* object) {
  Instance* area = Of(object);
  delete area->children;
  delete area->listener;
  G_OBJECT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(object)))->finalize(object);
}

void InitClass(gpointer klass, gpointer) {
  G_OBJECT_CLASS(klass)->finalize = Finalize;
  GtkWidgetClass* widget = GTK_WIDGET_CLASS(klass);
  widget->get_preferred_width = NoRoom;
  widget->get_preferred_height = NoRoom;
  widget->size_allocate = Allocate;
  GtkContainerClass* container = GTK_CONTAINER_CLASS(klass);
  container->add = Add;
  container->remove = Remove;
  container->forall = ForAll;
}

void InitInstance(GTypeInstance* instance, gpointer) {
  Instance* area = reinterpret_cast<Instance*>(instance);
  area->children = new std::vector<Placed>;
  area->listener = new PlacementArea::SizeListener;
  gtk_widget_set_has_window(GTK_WIDGET(instance), FALSE);
}

GType AreaType() {
  static const GType type = g_type_register_static_simple(GTK_TYPE_CONTAINER, "KalnorPlacementArea", sizeof(Class),
                                                           InitClass, sizeof(Instance), InitInstance, GTypeFlags{});
  return type;
}

}  // namespace

GtkWidget* PlacementArea::New() { return GTK_WIDGET(g_object_new(AreaType(), nullptr)); }

void PlacementArea::Place(GtkWidget* widget, GtkWidget* child, const Rect& rect) {
  Instance* area = Of(widget);
  if (Placed* placed = Find(area, child)) {
    placed->rect = rect;
  } else {
    g_object_ref(child);
    if (GtkWidget* old = gtk_widget_get_parent(child)) gtk_container_remove(GTK_CONTAINER(old), child);
    area->children->push_back({child, rect});
    gtk_widget_set_parent(child, widget);
    g_object_unref(child);
  }
  // Within the area's own pass the new rectangle is used as it goes on.
  if (!area->allocating) gtk_widget_queue_allocate(widget);
}

void PlacementArea::OnSizeChange(GtkWidget* area, SizeListener listener) { *Of(area)->listener = std::move(listener); }

}  // namespace platform::gtk
