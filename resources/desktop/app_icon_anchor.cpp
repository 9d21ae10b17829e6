// The application icon library holds only Qt resources; a static library needs one source.
namespace qamarly_app_icon_anchor {
int anchor = 0;
}
