#include "ModelFixture.h"

void ModelFixture::SetUp()
{
    QDir(m_install.path()).mkpath(QStringLiteral("profiletemplate"));
    m_config = std::make_unique<ScopedConfig>(m_install.path());
    writeInstallFile(QStringLiteral("DataProfile.xsd"), QString::fromUtf8(kSchema));
    writeInstallFile(QStringLiteral("DataProfile.js"), QString::fromUtf8(kScript));
}

void ModelFixture::writeInstallFile(const QString &name, const QString &text)
{
    QFile file(m_install.filePath(QStringLiteral("profiletemplate/") + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

QString ModelFixture::writeTempFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_install.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

// Types: "flag" derives from unsignedByte (returned as the document gives
// it), "freqType" from unsignedLong, "count" from long; "enabled" is a
// boolean. Hooks sit on password, name, channels, channel and frequencies;
// the serial's SchemaExtension names only another kind of hook.
const char *const ModelFixture::kSchema = R"XSD(<?xml version="1.0" encoding="utf-8"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema"
           xmlns="http://schemas.halvern.com/vela/profile"
           xmlns:scps="http://schemas.halvern.com/vela/schema-extension"
           targetNamespace="http://schemas.halvern.com/vela/profile"
           elementFormDefault="qualified">
  <xs:simpleType name="flag">
    <xs:restriction base="xs:unsignedByte"><xs:maxInclusive value="1"/></xs:restriction>
  </xs:simpleType>
  <xs:simpleType name="freqType">
    <xs:restriction base="xs:unsignedLong"><xs:maxInclusive value="4294967295"/></xs:restriction>
  </xs:simpleType>
  <xs:simpleType name="count">
    <xs:restriction base="xs:long"><xs:minInclusive value="0"/></xs:restriction>
  </xs:simpleType>
  <xs:element name="VelaProfile">
    <xs:complexType>
      <xs:sequence>
        <xs:element name="factory_setting">
          <xs:complexType>
            <xs:attribute name="model" type="xs:string" use="required"/>
            <xs:attribute name="codeplug_version" type="xs:unsignedByte" use="required"/>
            <xs:attribute name="serial" type="xs:string" use="required">
              <xs:annotation><xs:appinfo><scps:SchemaExtension OnAddNew="neverCalled"/></xs:appinfo></xs:annotation>
            </xs:attribute>
            <xs:attribute name="sub_region" type="count" use="required"/>
            <xs:attribute name="added" type="xs:string" use="optional"/>
          </xs:complexType>
        </xs:element>
        <xs:element name="limit">
          <xs:complexType>
            <xs:attribute name="start_freq" type="freqType" use="required"/>
            <xs:attribute name="end_freq" type="freqType" use="required"/>
            <xs:attribute name="disable_repeater_feature" type="flag" use="required"/>
            <xs:attribute name="enabled" type="xs:boolean" use="required"/>
          </xs:complexType>
        </xs:element>
        <xs:element name="setting">
          <xs:complexType>
            <xs:attribute name="password" type="xs:string" use="required">
              <xs:annotation><xs:appinfo><scps:SchemaExtension SetVal="setPassword"/></xs:appinfo></xs:annotation>
            </xs:attribute>
            <xs:attribute name="mode" type="xs:string" use="required">
              <xs:annotation><xs:appinfo><scps:SchemaExtension SetVal="brokenHook"/></xs:appinfo></xs:annotation>
            </xs:attribute>
            <xs:attribute name="level" type="xs:string" use="required">
              <xs:annotation><xs:appinfo><scps:SchemaExtension SetVal="loopForever"/></xs:appinfo></xs:annotation>
            </xs:attribute>
            <xs:attribute name="tone" type="xs:string" use="required">
              <xs:annotation><xs:appinfo><scps:SchemaExtension SetVal="throwPlainValue"/></xs:appinfo></xs:annotation>
            </xs:attribute>
            <xs:attribute name="missing" type="xs:string" use="optional">
              <xs:annotation><xs:appinfo><scps:SchemaExtension SetVal="noSuchFunction"/></xs:appinfo></xs:annotation>
            </xs:attribute>
          </xs:complexType>
        </xs:element>
        <xs:element name="channels">
          <xs:annotation><xs:appinfo>
            <scps:SchemaExtension CanAddChild="canAddChannel" OnAddNew="addChannel" CanDeleteChild="canDeleteChannel"/>
          </xs:appinfo></xs:annotation>
          <xs:complexType>
            <xs:sequence>
              <xs:element name="channel" minOccurs="0" maxOccurs="19">
                <xs:annotation><xs:appinfo><scps:SchemaExtension OnDelete="deleteChannel"/></xs:appinfo></xs:annotation>
                <xs:complexType>
                  <xs:sequence>
                    <xs:element name="note" minOccurs="0" maxOccurs="unbounded"/>
                  </xs:sequence>
                  <xs:attribute name="name" type="xs:string" use="required"/>
                  <xs:attribute name="rx_code" type="xs:unsignedByte" use="required"/>
                  <xs:attribute name="tx_code" type="xs:unsignedByte" use="required"/>
                  <xs:attribute name="rx_freq_ndx" type="xs:unsignedByte" use="required"/>
                  <xs:attribute name="tx_freq_ndx" type="xs:unsignedByte" use="required"/>
                  <xs:attribute name="rx_bw" type="flag" use="required"/>
                  <xs:attribute name="tx_bw" type="flag" use="required"/>
                </xs:complexType>
              </xs:element>
            </xs:sequence>
          </xs:complexType>
        </xs:element>
        <xs:element name="frequencies">
          <xs:annotation><xs:appinfo>
            <scps:SchemaExtension OnAddNewFrequency="addFrequency" SetFreqAttr="setFrequency" CanDeleteChild="canDeleteFrequency"/>
          </xs:appinfo></xs:annotation>
          <xs:complexType>
            <xs:sequence>
              <xs:element name="frequency" minOccurs="0" maxOccurs="99">
                <xs:complexType>
                  <xs:attribute name="freq" type="freqType" use="required"/>
                  <xs:attribute name="bandwidth" type="flag" use="required"/>
                </xs:complexType>
              </xs:element>
            </xs:sequence>
          </xs:complexType>
        </xs:element>
      </xs:sequence>
    </xs:complexType>
  </xs:element>
</xs:schema>
)XSD";

const char *const ModelFixture::kScript = R"JS("use strict";
var calls = 0;
function setPassword(element, attribute, value, out, context) {
    calls++;
    if (!/^([0-9]{4})?$/.test(String(value))) { out.msgId = 3000; out.style = 0x30; return 1; }
    element.setAttribute(attribute.nodeName, value);
    return 0;
}
function brokenHook(element, attribute, value, out, context) { return undefinedVariable + 1; }
function loopForever() { for (;;) {} }
function throwPlainValue() { throw 42; }
function canAddChannel(channels) { return channels.childCount() < 3; }
function addChannel(channels) {
    var channel = channels.createElement("channel");
    channel.setAttribute("name", "NEW");
    ["rx_code", "tx_code", "rx_freq_ndx", "tx_freq_ndx", "rx_bw", "tx_bw"].forEach(function (n) { channel.setAttribute(n, 0); });
    return channels.appendChild(channel);
}
function canDeleteChannel(channels) { return channels.childCount() > 1; }
function deleteChannel(channel, index, out, context) {
    if (channel.getAttribute("name") === "KEEP" && context !== 6) { out.msgId = 3000; out.style = 0x34; return 2; }
    channel.parentNode().removeChild(channel);
    return 0;
}
function addFrequency(frequencies, freq, bandwidth, power, compander, out) {
    if (freq < 100000000) { out.msgId = 3000; out.style = 0x30; return 1; }
    var row = frequencies.createElement("frequency");
    row.setAttribute("freq", freq);
    row.setAttribute("bandwidth", bandwidth);
    frequencies.appendChild(row);
    return 0;
}
function setFrequency(frequencies, row, freq, bandwidth, power, compander, out, context) {
    frequencies.childAt(row).setAttribute("freq", freq);
    out.msgId = 7;
    return row + 10;
}
function canDeleteFrequency(frequencies, row) { return row === 1; }
)JS";

const char *const ModelFixture::kProfile = R"XML(<?xml version="1.0" encoding="utf-8" ?>
<VelaProfile xmlns="http://schemas.halvern.com/vela/profile">
	<factory_setting model="KXR40400" codeplug_version="3" serial="123ABC4567" sub_region="0"/>
	<limit start_freq="150000000" end_freq="4294967295" disable_repeater_feature="1" enabled="true"/>
	<setting password="" mode="a" level="1" tone="2"/>
	<channels>
		<channel name="ONE" rx_code="5" tx_code="7" rx_freq_ndx="1" tx_freq_ndx="0" rx_bw="1" tx_bw="0"/>
		<channel name="KEEP" rx_code="9" tx_code="1" rx_freq_ndx="0" tx_freq_ndx="1" rx_bw="0" tx_bw="1"/>
	</channels>
	<frequencies>
		<frequency freq="151625000" bandwidth="0"/>
		<frequency freq="462562500" bandwidth="1"/>
	</frequencies>
</VelaProfile>
)XML";
