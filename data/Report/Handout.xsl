<?xml version="1.0" encoding="utf-8"?>
<!--
  The customer handout: what the dealer hands the radio's user with it. One
  printed sheet: the radio with its numbered parts, what each programmable
  button does, the menu keys of a display model, and the dealer's details.

  The program transforms the profile without its namespace declaration, so
  elements are addressed without a prefix. After the transform it puts the
  dealer block in place of the paragraph ABCDEFGSDGFHWRAZxVBSDFSEWASSX and
  replaces every label token (the English text after its two-character
  prefix) by the language's text.

  The pictures live beside the page: HandoutHeader.jpg, HandoutFooter.jpg,
  Display.jpg or Rotary.jpg, and the numbered callouts 1.jpg ... 11.jpg.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="utf-8" indent="no" doctype-system="about:legacy-compat"/>

  <xsl:variable name="factory" select="/VelaProfile/factory_setting"/>
  <xsl:variable name="setting" select="/VelaProfile/setting"/>
  <xsl:variable name="limit" select="/VelaProfile/limit"/>
  <xsl:variable name="model" select="$factory/@model"/>
  <xsl:variable name="isDisplay" select="translate(substring($model, 3, 1), 'd', 'D') = 'D'"/>

  <xsl:template match="/">
    <html>
      <head>
        <title>$#Customer Handout - <xsl:value-of select="$model"/></title>
        <link rel="stylesheet" type="text/css" href="Report.css"/>
      </head>
      <body class="handout">
        <div class="sheet">
          <img class="banner" src="HandoutHeader.jpg" alt="VELA LX"/>

          <div class="identity">
            <div>
              <div class="kicker">$#Customer Handout</div>
              <div class="model-name"><xsl:call-template name="modelName"/></div>
            </div>
            <div class="facts">
              <table>
                <tr><th>$#Model</th><td><xsl:call-template name="modelName"/></td></tr>
                <tr><th>$#Model Number</th><td><xsl:value-of select="$model"/></td></tr>
                <tr><th>$#Serial Number</th><td><xsl:value-of select="$factory/@serial"/></td></tr>
              </table>
            </div>
          </div>

          <table>
            <xsl:attribute name="class">
              <xsl:choose>
                <xsl:when test="$isDisplay">overview display</xsl:when>
                <xsl:otherwise>overview rotary</xsl:otherwise>
              </xsl:choose>
            </xsl:attribute>
            <tr>
              <xsl:choose>
                <xsl:when test="$isDisplay">
                  <td class="picture"><img src="Display.jpg" alt=""/></td>
                  <td class="legend"><xsl:call-template name="displayParts"/></td>
                </xsl:when>
                <xsl:otherwise>
                  <td class="picture"><img src="Rotary.jpg" alt=""/></td>
                  <td class="legend"><xsl:call-template name="rotaryParts"/></td>
                </xsl:otherwise>
              </xsl:choose>
            </tr>
          </table>

          <xsl:if test="$isDisplay">
            <div class="menu-mode">
              <h3>$#Menu Mode</h3>
              <table>
                <tr><th>$#Menu Button:</th><td>$#Menu Mode</td></tr>
                <tr><th>$#Up Button:</th><td>$#Scroll up the menu items/change channel</td></tr>
                <tr><th>$#Down Button:</th><td>$#Scroll down the menu items/change channel</td></tr>
              </table>
            </div>
          </xsl:if>

          <div class="push"></div>
          <div class="dealer">
            <p>ABCDEFGSDGFHWRAZxVBSDFSEWASSX</p>
          </div>

          <img class="footer" src="HandoutFooter.jpg" alt=""/>
        </div>
      </body>
    </html>
  </xsl:template>

  <!-- The family name customers know the radio by. -->
  <xsl:template name="modelName">
    <xsl:variable name="band" select="translate(substring($model, 2, 1), 'ux', 'UX')"/>
    <xsl:choose>
      <xsl:when test="$isDisplay and $band = 'X'">$#KVM</xsl:when>
      <xsl:when test="$isDisplay">$#KVX</xsl:when>
      <xsl:when test="$band = 'X'">$#ZWTa</xsl:when>
      <xsl:when test="substring($model, 4, 1) = '5'">$#QB420</xsl:when>
      <xsl:otherwise>$#QA310</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The numbered parts of the pictures. A button's default is the feature
       a new profile gives it, or no feature when the model does not offer
       that one (offered). -->
  <xsl:template name="displayParts">
    <table class="callouts">
      <xsl:call-template name="part"><xsl:with-param name="number" select="1"/><xsl:with-param name="name">$#Power/Volume Knob</xsl:with-param></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="2"/><xsl:with-param name="name">$#Tri-Color LED</xsl:with-param></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="3"/><xsl:with-param name="name">$#Accessory Jack</xsl:with-param></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="4"/><xsl:with-param name="name">$#Push-to-Talk (PTT)</xsl:with-param></xsl:call-template>
      <xsl:call-template name="button"><xsl:with-param name="number" select="5"/><xsl:with-param name="name">$#Side Button 1 (SB1)</xsl:with-param><xsl:with-param name="value" select="$setting/@side1_but"/><xsl:with-param name="default" select="1"/><xsl:with-param name="offered" select="$limit/@monitor_feature_disable != '1'"/></xsl:call-template>
      <xsl:call-template name="button"><xsl:with-param name="number" select="6"/><xsl:with-param name="name">$#Side Button 2 (SB2)</xsl:with-param><xsl:with-param name="value" select="$setting/@side2_but"/><xsl:with-param name="default" select="2"/><xsl:with-param name="offered" select="$limit/@disable_scan_mode != '1'"/></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="7"/><xsl:with-param name="name">$#Microphone</xsl:with-param></xsl:call-template>
      <xsl:call-template name="button"><xsl:with-param name="number" select="8"/><xsl:with-param name="name">$#Prog 1 (URB)</xsl:with-param><xsl:with-param name="value" select="$setting/@upper_right_but"/><xsl:with-param name="default" select="9"/><xsl:with-param name="offered" select="$limit/@maxPresetButtons &gt;= 1"/></xsl:call-template>
      <xsl:call-template name="button"><xsl:with-param name="number" select="9"/><xsl:with-param name="name">$#Prog 2 (LLB)</xsl:with-param><xsl:with-param name="value" select="$setting/@lower_left_but"/><xsl:with-param name="default" select="10"/><xsl:with-param name="offered" select="$limit/@maxPresetButtons &gt;= 2"/></xsl:call-template>
      <xsl:call-template name="button"><xsl:with-param name="number" select="10"/><xsl:with-param name="name">$#Prog 3 (LRB)</xsl:with-param><xsl:with-param name="value" select="$setting/@lower_right_but"/><xsl:with-param name="default" select="6"/><xsl:with-param name="offered" select="$limit/@backlight_button_enabled = '1'"/></xsl:call-template>
    </table>
  </xsl:template>

  <xsl:template name="rotaryParts">
    <table class="callouts">
      <xsl:call-template name="part"><xsl:with-param name="number" select="1"/><xsl:with-param name="name">$#Channel Selector</xsl:with-param></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="2"/><xsl:with-param name="name">$#Power/Volume Knob</xsl:with-param></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="3"/><xsl:with-param name="name">$#Tri-Color LED</xsl:with-param></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="4"/><xsl:with-param name="name">$#Accessory Jack</xsl:with-param></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="5"/><xsl:with-param name="name">$#Push-to-Talk (PTT)</xsl:with-param></xsl:call-template>
      <xsl:call-template name="button"><xsl:with-param name="number" select="6"/><xsl:with-param name="name">$#Side Button 1 (SB1)</xsl:with-param><xsl:with-param name="value" select="$setting/@side1_but"/><xsl:with-param name="default" select="1"/><xsl:with-param name="offered" select="$limit/@monitor_feature_disable != '1'"/></xsl:call-template>
      <xsl:call-template name="button"><xsl:with-param name="number" select="7"/><xsl:with-param name="name">$#Side Button 2 (SB2)</xsl:with-param><xsl:with-param name="value" select="$setting/@side2_but"/><xsl:with-param name="default" select="2"/><xsl:with-param name="offered" select="$limit/@disable_scan_mode != '1'"/></xsl:call-template>
      <xsl:call-template name="button"><xsl:with-param name="number" select="8"/><xsl:with-param name="name">$#Prog 1 (URB)</xsl:with-param><xsl:with-param name="value" select="$setting/@upper_right_but"/><xsl:with-param name="default" select="4"/><xsl:with-param name="offered" select="$limit/@power_cntrl_enabled = '1'"/></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="9"/><xsl:with-param name="name">$#Microphone</xsl:with-param></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="10"/><xsl:with-param name="name">$#Li-Ion Battery Pack</xsl:with-param></xsl:call-template>
      <xsl:call-template name="part"><xsl:with-param name="number" select="11"/><xsl:with-param name="name">$#Spring Action Belt Clip</xsl:with-param></xsl:call-template>
    </table>
  </xsl:template>

  <xsl:template name="part">
    <xsl:param name="number"/>
    <xsl:param name="name"/>
    <xsl:param name="feature"/>
    <tr>
      <td class="badge"><img src="{$number}.jpg" alt="{$number}"/></td>
      <td>
        <div class="part"><xsl:copy-of select="$name"/></div>
        <xsl:if test="string($feature)"><div class="feature"><xsl:copy-of select="$feature"/></div></xsl:if>
      </td>
    </tr>
  </xsl:template>

  <!-- A programmable button and the feature it holds. -->
  <xsl:template name="button">
    <xsl:param name="number"/>
    <xsl:param name="name"/>
    <xsl:param name="value"/>
    <xsl:param name="default"/>
    <xsl:param name="offered"/>
    <xsl:call-template name="part">
      <xsl:with-param name="number" select="$number"/>
      <xsl:with-param name="name" select="$name"/>
      <xsl:with-param name="feature">
        <xsl:call-template name="feature">
          <xsl:with-param name="value" select="number($value)"/>
          <xsl:with-param name="isDefault" select="($offered and number($value) = $default) or (not($offered) and number($value) = 0)"/>
        </xsl:call-template>
      </xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <xsl:template name="feature">
    <xsl:param name="value"/>
    <xsl:param name="isDefault"/>
    <xsl:choose>
      <xsl:when test="$value = 1 and $isDefault">$#Monitor (default)</xsl:when>
      <xsl:when test="$value = 1">$#Monitor</xsl:when>
      <xsl:when test="$value = 2 and $isDefault">$#Scan/Nuisance Channel Delete (default)</xsl:when>
      <xsl:when test="$value = 2">$#Scan/Nuisance Channel Delete</xsl:when>
      <xsl:when test="$value = 3 and $isDefault">$#Call Tone (default)</xsl:when>
      <xsl:when test="$value = 3">$#Call Tone</xsl:when>
      <xsl:when test="$value = 4 and $isDefault">$#Tx Power Selection (default)</xsl:when>
      <xsl:when test="$value = 4">$#Tx Power Selection</xsl:when>
      <xsl:when test="$value = 5">$#Repeater/Talkaround</xsl:when>
      <xsl:when test="$value = 6">$#Backlight</xsl:when>
      <xsl:when test="$value = 9 and $isDefault">$#Preset 1 (default)</xsl:when>
      <xsl:when test="$value = 9">$#Preset 1</xsl:when>
      <xsl:when test="$value = 10 and $isDefault">$#Preset 2 (default)</xsl:when>
      <xsl:when test="$value = 10">$#Preset 2</xsl:when>
      <xsl:when test="$value = 12">$#Scramble</xsl:when>
      <xsl:when test="$isDefault">$#No Operation (default)</xsl:when>
      <xsl:otherwise>$#No Operation</xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
