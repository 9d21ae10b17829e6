// The images library holds only Qt resources; a static library needs one source.
namespace qamarly_images_anchor {
int anchor = 0;
}
