// Content checks: application types of the vendor tree (vnd.).
#include "../checks.h"

namespace mime_magic::checks {

// "application/vnd.adobe.indesign-idml-package"
bool check_application_vnd_adobe_indesign_idml_package(Buf) { return false; }

// "application/vnd.adobe.xdp+xml"
bool check_application_vnd_adobe_xdp_xml(Buf) { return false; }

// "application/vnd.adobe.xfdf"
bool check_application_vnd_adobe_xfdf(Buf) { return false; }

// "application/vnd.apple.keynote"
bool check_application_vnd_apple_keynote(Buf) { return false; }

// "application/vnd.apple.mpegurl"
bool check_application_vnd_apple_mpegurl(Buf) { return false; }

// "application/vnd.apple.numbers"
bool check_application_vnd_apple_numbers(Buf) { return false; }

// "application/vnd.apple.pages"
bool check_application_vnd_apple_pages(Buf) { return false; }

// "application/vnd.digilite.prolights"
bool check_application_vnd_digilite_prolights(Buf) { return false; }

// "application/vnd.etsi.asic-e+zip"
bool check_application_vnd_etsi_asic_e_zip(Buf) { return false; }

// "application/vnd.etsi.asic-s+zip"
bool check_application_vnd_etsi_asic_s_zip(Buf) { return false; }

// "application/vnd.fdf"
bool check_application_vnd_fdf(Buf) { return false; }

// "application/vnd.garmin.tcx+xml"
bool check_application_vnd_garmin_tcx_xml(Buf) { return false; }

// "application/vnd.google-earth.kml+xml"
bool check_application_vnd_google_earth_kml_xml(Buf) { return false; }

// "application/vnd.iccprofile"
bool check_application_vnd_iccprofile(Buf) { return false; }

// "application/vnd.iptc.g2.newsmessage+xml"
bool check_application_vnd_iptc_g2_newsmessage_xml(Buf) { return false; }

// "application/vnd.isac.fcs"
bool check_application_vnd_isac_fcs(Buf) { return false; }

// "application/vnd.java.hprof "
bool check_application_vnd_java_hprof(Buf) { return false; }

// "application/vnd.java.hprof.text"
bool check_application_vnd_java_hprof_text(Buf) { return false; }

// "application/vnd.lotus-1-2-3;version=1"
bool check_application_vnd_lotus_1_2_3_version_1(Buf) { return false; }

// "application/vnd.lotus-1-2-3;version=2"
bool check_application_vnd_lotus_1_2_3_version_2(Buf) { return false; }

// "application/vnd.lotus-1-2-3;version=3"
bool check_application_vnd_lotus_1_2_3_version_3(Buf) { return false; }

// "application/vnd.lotus-1-2-3;version=4"
bool check_application_vnd_lotus_1_2_3_version_4(Buf) { return false; }

// "application/vnd.lotus-1-2-3;version=97+9.x"
bool check_application_vnd_lotus_1_2_3_version_97_9_x(Buf) { return false; }

// "application/vnd.lotus-wordpro"
bool check_application_vnd_lotus_wordpro(Buf) { return false; }

// "application/vnd.mif"
bool check_application_vnd_mif(Buf) { return false; }

// "application/vnd.ms-cab-compressed"
bool check_application_vnd_ms_cab_compressed(Buf) { return false; }

// "application/vnd.ms-excel"
bool check_application_vnd_ms_excel(Buf) { return false; }

// "application/vnd.ms-excel.sheet.2"
bool check_application_vnd_ms_excel_sheet_2(Buf) { return false; }

// "application/vnd.ms-excel.sheet.3"
bool check_application_vnd_ms_excel_sheet_3(Buf) { return false; }

// "application/vnd.ms-excel.sheet.4"
bool check_application_vnd_ms_excel_sheet_4(Buf) { return false; }

// "application/vnd.ms-excel.workspace.3"
bool check_application_vnd_ms_excel_workspace_3(Buf) { return false; }

// "application/vnd.ms-excel.workspace.4"
bool check_application_vnd_ms_excel_workspace_4(Buf) { return false; }

// "application/vnd.ms-fontobject"
bool check_application_vnd_ms_fontobject(Buf) { return false; }

// "application/vnd.ms-htmlhelp"
bool check_application_vnd_ms_htmlhelp(Buf) { return false; }

// "application/vnd.ms-outlook-pst"
bool check_application_vnd_ms_outlook_pst(Buf) { return false; }

// "application/vnd.ms-package.3dmanufacturing-3dmodel+xml"
bool check_application_vnd_ms_package_3dmanufacturing_3dmodel_xml(Buf) { return false; }

// "application/vnd.ms-powerpoint"
bool check_application_vnd_ms_powerpoint(Buf) { return false; }

// "application/vnd.ms-spreadsheetml"
bool check_application_vnd_ms_spreadsheetml(Buf) { return false; }

// "application/vnd.ms-tnef"
bool check_application_vnd_ms_tnef(Buf) { return false; }

// "application/vnd.ms-word2006ml"
bool check_application_vnd_ms_word2006ml(Buf) { return false; }

// "application/vnd.ms-wordml"
bool check_application_vnd_ms_wordml(Buf) { return false; }

// "application/vnd.ms-works"
bool check_application_vnd_ms_works(Buf) { return false; }

// "application/vnd.msa-disk-image"
bool check_application_vnd_msa_disk_image(Buf) { return false; }

// "application/vnd.oasis.opendocument.base"
bool check_application_vnd_oasis_opendocument_base(Buf) { return false; }

// "application/vnd.oasis.opendocument.chart"
bool check_application_vnd_oasis_opendocument_chart(Buf) { return false; }

// "application/vnd.oasis.opendocument.chart-template"
bool check_application_vnd_oasis_opendocument_chart_template(Buf) { return false; }

// "application/vnd.oasis.opendocument.flat.presentation"
bool check_application_vnd_oasis_opendocument_flat_presentation(Buf) { return false; }

// "application/vnd.oasis.opendocument.flat.spreadsheet"
bool check_application_vnd_oasis_opendocument_flat_spreadsheet(Buf) { return false; }

// "application/vnd.oasis.opendocument.flat.text"
bool check_application_vnd_oasis_opendocument_flat_text(Buf) { return false; }

// "application/vnd.oasis.opendocument.formula"
bool check_application_vnd_oasis_opendocument_formula(Buf) { return false; }

// "application/vnd.oasis.opendocument.formula-template"
bool check_application_vnd_oasis_opendocument_formula_template(Buf) { return false; }

// "application/vnd.oasis.opendocument.graphics"
bool check_application_vnd_oasis_opendocument_graphics(Buf) { return false; }

// "application/vnd.oasis.opendocument.graphics-template"
bool check_application_vnd_oasis_opendocument_graphics_template(Buf) { return false; }

// "application/vnd.oasis.opendocument.image"
bool check_application_vnd_oasis_opendocument_image(Buf) { return false; }

// "application/vnd.oasis.opendocument.image-template"
bool check_application_vnd_oasis_opendocument_image_template(Buf) { return false; }

// "application/vnd.oasis.opendocument.presentation"
bool check_application_vnd_oasis_opendocument_presentation(Buf) { return false; }

// "application/vnd.oasis.opendocument.presentation-template"
bool check_application_vnd_oasis_opendocument_presentation_template(Buf) { return false; }

// "application/vnd.oasis.opendocument.spreadsheet"
bool check_application_vnd_oasis_opendocument_spreadsheet(Buf) { return false; }

// "application/vnd.oasis.opendocument.spreadsheet-template"
bool check_application_vnd_oasis_opendocument_spreadsheet_template(Buf) { return false; }

// "application/vnd.oasis.opendocument.tarvik.flat.document"
bool check_application_vnd_oasis_opendocument_tarvik_flat_document(Buf) { return false; }

// "application/vnd.oasis.opendocument.text"
bool check_application_vnd_oasis_opendocument_text(Buf) { return false; }

// "application/vnd.oasis.opendocument.text-master"
bool check_application_vnd_oasis_opendocument_text_master(Buf) { return false; }

// "application/vnd.oasis.opendocument.text-template"
bool check_application_vnd_oasis_opendocument_text_template(Buf) { return false; }

// "application/vnd.oasis.opendocument.text-web"
bool check_application_vnd_oasis_opendocument_text_web(Buf) { return false; }

// "application/vnd.openxmlformats-officedocument.presentationml.presentation"
bool check_application_vnd_openxmlformats_officedocument_presentationml_presentation(Buf) { return false; }

// "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"
bool check_application_vnd_openxmlformats_officedocument_spreadsheetml_sheet(Buf) { return false; }

// "application/vnd.openxmlformats-officedocument.wordprocessingml.document"
bool check_application_vnd_openxmlformats_officedocument_wordprocessingml_document(Buf) { return false; }

// "application/vnd.rn-realmedia"
bool check_application_vnd_rn_realmedia(Buf) { return false; }

// "application/vnd.stardivision.calc"
bool check_application_vnd_stardivision_calc(Buf) { return false; }

// "application/vnd.stardivision.draw"
bool check_application_vnd_stardivision_draw(Buf) { return false; }

// "application/vnd.stardivision.impress"
bool check_application_vnd_stardivision_impress(Buf) { return false; }

// "application/vnd.stardivision.writer"
bool check_application_vnd_stardivision_writer(Buf) { return false; }

// "application/vnd.sun.xml.calc"
bool check_application_vnd_sun_xml_calc(Buf) { return false; }

// "application/vnd.sun.xml.calc.template"
bool check_application_vnd_sun_xml_calc_template(Buf) { return false; }

// "application/vnd.sun.xml.draw"
bool check_application_vnd_sun_xml_draw(Buf) { return false; }

// "application/vnd.sun.xml.draw.template"
bool check_application_vnd_sun_xml_draw_template(Buf) { return false; }

// "application/vnd.sun.xml.impress"
bool check_application_vnd_sun_xml_impress(Buf) { return false; }

// "application/vnd.sun.xml.impress.template"
bool check_application_vnd_sun_xml_impress_template(Buf) { return false; }

// "application/vnd.sun.xml.writer"
bool check_application_vnd_sun_xml_writer(Buf) { return false; }

// "application/vnd.symbian.install"
bool check_application_vnd_symbian_install(Buf) { return false; }

// "application/vnd.tcpdump.pcap"
bool check_application_vnd_tcpdump_pcap(Buf) { return false; }

// "application/vnd.tcpdump.pcapng"
bool check_application_vnd_tcpdump_pcapng(Buf) { return false; }

// "application/vnd.wolfram.wl"
bool check_application_vnd_wolfram_wl(Buf) { return false; }

// "application/vnd.wordperfect"
bool check_application_vnd_wordperfect(Buf) { return false; }

// "application/vnd.wordperfect;version=4.2"
bool check_application_vnd_wordperfect_version_4_2(Buf) { return false; }

// "application/vnd.wordperfect;version=5.0"
bool check_application_vnd_wordperfect_version_5_0(Buf) { return false; }

// "application/vnd.wordperfect;version=5.1"
bool check_application_vnd_wordperfect_version_5_1(Buf) { return false; }

// "application/vnd.wordperfect;version=6.x"
bool check_application_vnd_wordperfect_version_6_x(Buf) { return false; }

// "application/vnd.xara"
bool check_application_vnd_xara(Buf) { return false; }

}  // namespace mime_magic::checks
