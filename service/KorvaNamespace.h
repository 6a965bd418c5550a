#pragma once
// The service's target namespace: it qualifies the operation elements and the type names, and
// starts every SOAP action. The substitute service answers in the same one.

namespace korva {

inline constexpr char TargetNamespace[] = "http://esya.korva.gov.tr/";

// The paths of the live and the test service on the operator's host.
inline constexpr char LivePath[] = "/services/g2g/kdgm/korvaesya";
inline constexpr char TestPath[] = "/services/g2g/kdgm/test/korvaesya";

} // namespace korva
