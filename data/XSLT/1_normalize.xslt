<?xml version="1.0" encoding="UTF-8"?>
<!-- Pass 1 of the UML import: reads an XMI 2.x model (any version of the XMI and UML
     namespaces: elements are known by their xmi:type, else by their local name) into packages,
     use cases with their comments, and the nodes and control flows of the use cases'
     activities. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="xml" encoding="UTF-8" indent="yes"/>
  <xsl:strip-space elements="*"/>

  <xsl:template name="id">
    <xsl:attribute name="id">
      <xsl:value-of select="@*[local-name() = 'id' and contains(namespace-uri(), 'XMI')]"/>
    </xsl:attribute>
  </xsl:template>

  <!-- An end of a flow: the attribute, else the child element's reference. -->
  <xsl:template name="end">
    <xsl:param name="name"/>
    <xsl:attribute name="{$name}">
      <xsl:choose>
        <xsl:when test="@*[local-name() = $name]"><xsl:value-of select="@*[local-name() = $name]"/></xsl:when>
        <xsl:otherwise>
          <xsl:value-of select="*[local-name() = $name]/@*[local-name() = 'idref' and contains(namespace-uri(), 'XMI')]"/>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:attribute>
  </xsl:template>

  <xsl:template match="/">
    <uml>
      <xsl:apply-templates select="*"/>
    </uml>
  </xsl:template>

  <!-- Models and packages hold use cases and further packages. -->
  <xsl:template match="*">
    <xsl:variable name="type" select="string(@*[local-name() = 'type' and namespace-uri() != ''])"/>
    <xsl:variable name="kind" select="concat(substring-after($type, ':'),
        substring($type, 1, not(contains($type, ':')) * string-length($type)),
        substring(local-name(), 1, ($type = '') * string-length(local-name())))"/>
    <xsl:choose>
      <xsl:when test="$kind = 'Model' or $kind = 'Package'">
        <xsl:element name="{translate($kind, 'MP', 'mp')}">
          <xsl:call-template name="id"/>
          <xsl:attribute name="name"><xsl:value-of select="@name"/></xsl:attribute>
          <xsl:apply-templates select="*"/>
        </xsl:element>
      </xsl:when>
      <xsl:when test="$kind = 'UseCase'">
        <usecase>
          <xsl:call-template name="id"/>
          <xsl:attribute name="name"><xsl:value-of select="@name"/></xsl:attribute>
          <xsl:apply-templates select="*" mode="usecase"/>
        </usecase>
      </xsl:when>
      <xsl:otherwise>
        <xsl:apply-templates select="*"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="*" mode="usecase">
    <xsl:variable name="type" select="string(@*[local-name() = 'type' and namespace-uri() != ''])"/>
    <xsl:variable name="kind" select="concat(substring-after($type, ':'),
        substring($type, 1, not(contains($type, ':')) * string-length($type)),
        substring(local-name(), 1, ($type = '') * string-length(local-name())))"/>
    <xsl:choose>
      <xsl:when test="$kind = 'Comment'">
        <comment>
          <xsl:choose>
            <xsl:when test="@body"><xsl:value-of select="@body"/></xsl:when>
            <xsl:otherwise><xsl:value-of select="*[local-name() = 'body']"/></xsl:otherwise>
          </xsl:choose>
        </comment>
      </xsl:when>
      <xsl:when test="$kind = 'Activity'">
        <activity>
          <xsl:call-template name="id"/>
          <xsl:apply-templates select="*" mode="activity"/>
        </activity>
      </xsl:when>
      <xsl:otherwise>
        <xsl:apply-templates select="*" mode="usecase"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="*" mode="activity">
    <xsl:variable name="type" select="string(@*[local-name() = 'type' and namespace-uri() != ''])"/>
    <xsl:variable name="kind" select="concat(substring-after($type, ':'),
        substring($type, 1, not(contains($type, ':')) * string-length($type)),
        substring(local-name(), 1, ($type = '') * string-length(local-name())))"/>
    <xsl:variable name="nodeKind" select="concat(substring('initial', 1, ($kind = 'InitialNode') * 7),
        substring('final', 1, ($kind = 'ActivityFinalNode' or $kind = 'FlowFinalNode') * 5),
        substring('decision', 1, ($kind = 'DecisionNode') * 8), substring('merge', 1, ($kind = 'MergeNode') * 5),
        substring('fork', 1, ($kind = 'ForkNode') * 4), substring('join', 1, ($kind = 'JoinNode') * 4),
        substring('action', 1, (substring($kind, string-length($kind) - 5) = 'Action') * 6))"/>
    <xsl:choose>
      <xsl:when test="$nodeKind != ''">
        <node kind="{$nodeKind}">
          <xsl:call-template name="id"/>
          <xsl:attribute name="name"><xsl:value-of select="@name"/></xsl:attribute>
        </node>
      </xsl:when>
      <xsl:when test="$kind = 'ControlFlow'">
        <flow>
          <xsl:call-template name="id"/>
          <xsl:call-template name="end"><xsl:with-param name="name" select="'source'"/></xsl:call-template>
          <xsl:call-template name="end"><xsl:with-param name="name" select="'target'"/></xsl:call-template>
        </flow>
      </xsl:when>
      <xsl:otherwise>
        <xsl:apply-templates select="*" mode="activity"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
